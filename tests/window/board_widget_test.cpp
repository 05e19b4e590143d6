// The drawing in the back buffer and on the screen, and mouse presses back to window units.
#include <gtest/gtest.h>

#include <QMouseEvent>

#include <cmath>
#include <random>
#include <vector>

#include "window/palette.h"
#include "window_fixture.h"

namespace orizen::window::test {

namespace {

// Buffer pixel of the top-left corner of screen cell (x, y).
QPoint cellOrigin(double x, double y) {
    return QPoint(int(std::lround((BoardLeft + x * SquareWidth) * kPixelsPerUnit)),
                  int(std::lround((BoardTop + y * SquareHeight) * kPixelsPerUnit)));
}

// Pixels of `area` (in picture coordinates) that differ between the buffer at `origin` and `pic`.
int differences(const QImage& buffer, QPoint origin, const QImage& pic, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((buffer.pixel(origin.x() + x, origin.y() + y) & 0xffffff) != (pic.pixel(x, y) & 0xffffff)) ++n;
    return n;
}

// Inside the outline: what a board square shows of its picture.
const QRect kInside(4, 4, 68, 76);
// A margin tile shows all of its pitch.
const QRect kPitch(0, 0, 72, 80);

struct Press {
    int button, shift;
    double X, Y;
};

std::vector<Press> pressAt(BoardWidget* board, QPointF pos, Qt::MouseButton b = Qt::LeftButton,
                           Qt::KeyboardModifiers mods = Qt::NoModifier) {
    std::vector<Press> got;
    board->onMouseDown = [&](int button, int shift, double X, double Y) { got.push_back({button, shift, X, Y}); };
    QMouseEvent e(QEvent::MouseButtonPress, pos, board->mapToGlobal(pos), b, b, mods);
    QApplication::sendEvent(board, &e);
    return got;
}

int cellX(double X) { return int(std::floor((X - BoardLeft) / SquareWidth)); }

}  // namespace

TEST(BackBuffer, StartUpShowsBoardStandsTilesCoordinatesAndTitle) {
    WindowFixture f;
    Game& g = f.window.game();
    g.arrange().settings.BackgroundKind = BG_RENGA;
    g.画面_再描画();
    const QImage& buf = f.window.canvas().image();
    ASSERT_EQ(buf.size(), QSize(kBufferW, kBufferH));

    EXPECT_EQ(differences(buf, cellOrigin(14, 27), PictureSet::load("SITA_OU"), kInside), 0);
    EXPECT_EQ(differences(buf, cellOrigin(14, 1), PictureSet::load("UE_OU"), kInside), 0);
    EXPECT_EQ(differences(buf, cellOrigin(5, 18), PictureSet::load("SITA_HU_0"), kInside), 0);
    EXPECT_EQ(differences(buf, cellOrigin(14, 14), PictureSet::load("KARA_MASU"), kInside), 0);
    // A tile far out in the margin, the stands' count cells and the stands themselves.
    const QImage brick = PictureSet::load("HAIKEI_RENGA");
    EXPECT_EQ(differences(buf, cellOrigin(35, 15), brick, kPitch), 0);
    EXPECT_EQ(differences(buf, cellOrigin(-3, 20), brick, kPitch), 0);
    EXPECT_EQ(differences(buf, cellOrigin(0, 3), brick, QRect(4, 0, 68, 80)), 0);  // right of the stand's frame
    EXPECT_EQ(differences(buf, cellOrigin(29, 21), PictureSet::load("KARA_MASU"), kInside), 0);
    EXPECT_EQ(differences(buf, cellOrigin(-1, 7), PictureSet::load("KARA_MASU"), kInside), 0);
    EXPECT_EQ(differences(buf, cellOrigin(30, 0.5), PictureSet::load("ORIZEN"), QRect(0, 0, 472, 156)), 0);

    // Grid lines and stand frames are one 96-dpi pixel of green; the board's last edges too.
    const QRgb green = paletteColour(COLOUR_GREEN).rgb();
    for (QPoint p :
         {cellOrigin(5, 5), cellOrigin(5, 5) + QPoint(3, 40), cellOrigin(28, 9) + QPoint(0, 40),
          cellOrigin(9, 28) + QPoint(40, 3), cellOrigin(29, 21) + QPoint(40, 0), cellOrigin(-1, 8) + QPoint(40, 3)})
        EXPECT_EQ(buf.pixel(p), green) << p.x() << "," << p.y();

    // The file numbers are printed in yellow over the top margin: 27 at the left, 1 at the right.
    auto hasColour = [&](QPoint o, QRgb c) {
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 72; ++x)
                if (buf.pixel(o.x() + x, o.y() + y) == c) return true;
        return false;
    };
    const QRgb yellow = paletteColour(COLOUR_YELLOW).rgb();
    EXPECT_TRUE(hasColour(cellOrigin(1, 0), yellow));
    EXPECT_TRUE(hasColour(cellOrigin(27, 0), yellow));
    EXPECT_FALSE(hasColour(cellOrigin(34, 0), yellow));
    EXPECT_TRUE(hasColour(cellOrigin(28, 1), paletteColour(12).rgb()));
}

TEST(BackBuffer, CodesWithoutAPictureLeaveTheSquareAlone) {
    WindowFixture f;
    BufferCanvas& c = f.window.canvas();
    const QImage before = c.image().copy();
    for (int code : {111, -111, 7, 29, 32, 949, 1000}) c.picture(code, BoardLeft + 270 * 14, BoardTop + 300 * 14);
    EXPECT_EQ(c.image(), before);
}

// An outline is left out when its cell's outline shows that colour already; any mix of drawing
// leaves the same pixels as painting every outline does.
TEST(BackBuffer, OutlinesAlreadyShownAreLeftOutWithTheSamePixels) {
    app();
    PictureSet pictures;
    BufferCanvas fast(pictures), plain(pictures);
    plain.skipRepeatedOutlines = false;
    std::mt19937 rng(11);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int colours[] = {COLOUR_BLACK, COLOUR_GREEN, 6, COLOUR_SELECT, COLOUR_YELLOW, COLOUR_WHITE};
    const int codes[] = {0, -30, 110, 950, BG_MIDORI, BG_UCHU, PICT_TITLE};
    auto on = [&](auto draw) {
        draw(fast);
        draw(plain);
    };
    for (int step = 1; step <= 3000; ++step) {
        const double X = BoardLeft + pick(-5, 38) * SquareWidth, Y = BoardTop + pick(-3, 31) * SquareHeight;
        const int colour = colours[pick(0, 5)], kind = pick(0, 99);
        // Off the grid too: a cell's width or height off, or a fraction of it.
        const double dX = kind % 7 == 0 ? pick(-300, 300) : 0, dY = kind % 11 == 0 ? pick(-300, 300) : 0;
        if (kind < 80) on([&](BufferCanvas& c) { c.outline(colour, X + dX, Y + dY); });
        else if (kind < 90) on([&](BufferCanvas& c) { c.picture(codes[kind % 7], X + dX, Y + dY); });
        else if (kind < 99)
            on([&](BufferCanvas& c) {
                c.text(X + dX, Y + dY, kind % 2 ? "１４" : "飛成", colour, 9 + kind % 6, kind % 3 == 0);
            });
        else on([&](BufferCanvas& c) { c.fill(colour); });
        if (step % 250 == 0) {
            ASSERT_EQ(fast.image(), plain.image()) << "after step " << step;
        }
    }
    EXPECT_LT(fast.generation(), plain.generation());

    // Clearing every square twice: the second time draws nothing.
    auto clear = [&](BufferCanvas& c) {
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y)
                c.outline(COLOUR_GREEN, BoardLeft + x * SquareWidth, BoardTop + y * SquareHeight);
    };
    on(clear);
    const std::uint64_t once = fast.generation();
    on(clear);
    EXPECT_EQ(fast.generation(), once);
    EXPECT_EQ(fast.image(), plain.image());
}

TEST(Screen, OneToOneSizeShowsEveryBufferPixelAveragedAndLetterboxesTheRest) {
    WindowFixture f;
    BoardWidget* board = f.window.board();
    board->resize(kExtentW / 15, kExtentH / 15);
    QImage shown = board->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(754, 618));
    const QRgb green = paletteColour(COLOUR_GREEN).rgb();
    // Cell (5, 5) starts at pixel (70 + 5·18, −2 + 5·20): its grid lines survive the reduction.
    EXPECT_EQ(shown.pixel(160, 120) & 0xffffff, green & 0xffffff);
    EXPECT_EQ(shown.pixel(160, 130) & 0xffffff, green & 0xffffff);
    EXPECT_EQ(shown.pixel(170, 98 + 20) & 0xffffff, green & 0xffffff);

    board->resize(1000, 618);
    shown = board->grab().toImage();
    const QRectF r = board->pictureRect();
    EXPECT_DOUBLE_EQ(r.height(), 618);
    EXPECT_GT(r.x(), 100);
    EXPECT_EQ(shown.pixel(10, 300) & 0xffffff, green & 0xffffff);
    EXPECT_EQ(shown.pixel(990, 300) & 0xffffff, green & 0xffffff);
}

TEST(Mouse, AtOneToOneEachPixelIsFifteenWindowUnits) {
    WindowFixture f;
    BoardWidget* board = f.window.board();
    board->resize(kExtentW / 15, kExtentH / 15);
    auto p = pressAt(board, QPointF(69, 300));
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].button, LEFT_BUTTON);
    EXPECT_DOUBLE_EQ(p[0].X, 1035);
    EXPECT_DOUBLE_EQ(p[0].Y, 4500);
    EXPECT_EQ(cellX(p[0].X), -1);  // just left of the board: the upper stand's column
    EXPECT_EQ(cellX(pressAt(board, QPointF(70, 300))[0].X), 0);
    EXPECT_EQ(cellX(pressAt(board, QPointF(88, 300))[0].X), 1);  // 1320
    p = pressAt(board, QPointF(0, 0), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].button, RIGHT_BUTTON);
    EXPECT_EQ(p[0].shift, 3);
    EXPECT_DOUBLE_EQ(p[0].X, 0);
    EXPECT_TRUE(pressAt(board, QPointF(5, 5), Qt::MiddleButton).empty());
}

TEST(Mouse, AtOtherSizesPressesMapBackThroughTheSameTransform) {
    WindowFixture f;
    BoardWidget* board = f.window.board();
    for (QSize size : {QSize(1508, 1236), QSize(1000, 1000), QSize(2262, 1000), QSize(377, 309)}) {
        board->resize(size);
        SCOPED_TRACE(size.width());
        const QRectF r = board->pictureRect();
        EXPECT_NEAR(r.width() / r.height(), double(kExtentW) / kExtentH, 0.005);
        EXPECT_NEAR(r.center().x(), size.width() / 2.0, 1);
        EXPECT_NEAR(r.center().y(), size.height() / 2.0, 1);
        for (double X : {1049.0, 1050.0, 1319.0, 1320.0, 8339.0, 11000.0}) {
            const auto p = pressAt(board, board->fromUnits(QPointF(X, 4321)));
            ASSERT_EQ(p.size(), 1u);
            EXPECT_NEAR(p[0].X, X, 1e-6);
            EXPECT_NEAR(p[0].Y, 4321, 1e-6);
        }
        EXPECT_EQ(cellX(pressAt(board, board->fromUnits(QPointF(1049, 4321)))[0].X), -1);
        // The picture's corner is window unit (0, 0).
        const auto corner = pressAt(board, r.topLeft());
        EXPECT_NEAR(corner[0].X, 0, 1e-9);
        EXPECT_NEAR(corner[0].Y, 0, 1e-9);
    }
}

}  // namespace orizen::window::test
