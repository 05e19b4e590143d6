// The player's aids in the window: the hint, the influence tint, the move list, the keys and the
// remembered on/off state, driven through the menus, the board and the list as a player drives them.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>

#include <filesystem>
#include <fstream>

#include "window_fixture.h"

namespace orizen::window::test {

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// A menu command; the box a game's start shows is answered with OK.
void command(MainWindow& w, Menu item) {
    if (item == Menu::SENTE || item == Menu::START) onNextBox([](QMessageBox* b) { b->accept(); });
    runCommand(w.game(), item);
    settle();
}

void press(MainWindow& w, int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    BoardWidget* board = w.board();
    const QPointF pos =
        board->fromUnits(QPointF(BoardLeft + (x + 0.5) * SquareWidth, BoardTop + (y + 0.5) * SquareHeight));
    QMouseEvent e(QEvent::MouseButtonPress, pos, board->mapToGlobal(pos), b, b, Qt::NoModifier);
    QApplication::sendEvent(board, &e);
    settle();
}

void key(MainWindow& w, Qt::Key k) {
    for (QShortcut* s : w.findChildren<QShortcut*>())
        if (s->key() == QKeySequence(k)) emit s->activated();
    settle();
}

// What the board shows: null while the canvas's own picture is shown.
const QImage* shown(MainWindow& w) {
    std::uint64_t generation = 0;
    return w.board()->substitute(generation);
}

// A buffer pixel inside board cell (x, y), (dx, dy) pixels from its corner.
QPoint inCell(int x, int y, int dx, int dy) {
    return QPoint(int((BoardLeft + x * SquareWidth) * kPixelsPerUnit + 0.5) + dx,
                  int((BoardTop + y * SquareHeight) * kPixelsPerUnit + 0.5) + dy);
}

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(Aids, OffTheWindowShowsTheGamesOwnPictureAndMenus) {
    WindowFixture f;
    EXPECT_EQ(shown(f.window), nullptr);
    QMenu* play = f.window.menuItems().action(Menu::TAIKYOKU)->menu();
    const QList<QAction*> items = play->actions();
    // ヒント stands just before 終わり.
    EXPECT_EQ(items.indexOf(f.window.aids().hintAction()) + 1, items.indexOf(f.window.menuItems().action(Menu::OWARI)));
    EXPECT_FALSE(f.window.aids().influenceAction()->isChecked());
    EXPECT_FALSE(f.window.aids().listAction()->isChecked());
    EXPECT_FALSE(f.window.aids().moveList().shown());
    EXPECT_FALSE(std::filesystem::exists(f.folder.path / "OrizenAids.ini"));
}

TEST(Aids, HintOutlinesTheChoiceUntilTheNextClickOrEsc) {
    WindowFixture f;
    Aids& aids = f.window.aids();
    aids.setHintPlayer(f.window.players().computer(3));  // whose first move is known
    QMenu* play = f.window.menuItems().action(Menu::TAIKYOKU)->menu();
    emit play->aboutToShow();
    EXPECT_FALSE(aids.hintAction()->isEnabled());  // no game yet
    EXPECT_FALSE(aids.showHint());

    command(f.window, Menu::SENTE);
    emit play->aboutToShow();
    EXPECT_TRUE(aids.hintAction()->isEnabled());
    const QImage canvas = f.window.canvas().image().copy();
    aids.hintAction()->trigger();
    ASSERT_TRUE(aids.hintShown());
    const HintMarks& h = *aids.hint();
    EXPECT_EQ((std::array{h.fromX, h.fromY, h.toX, h.toY}), (std::array{14, 18, 14, 17}));
    EXPECT_EQ(h.text, "14 17歩");
    EXPECT_EQ(f.window.canvas().image(), canvas);  // the game's picture is not drawn on
    const QImage* picture = shown(f.window);
    ASSERT_NE(picture, nullptr);
    for (QPoint p : {inCell(14, 17, 6, 40), inCell(14, 18, 40, 6)}) EXPECT_NE(picture->pixel(p), canvas.pixel(p));
    EXPECT_EQ(picture->pixel(inCell(13, 17, 6, 40)), canvas.pixel(inCell(13, 17, 6, 40)));
    EXPECT_EQ(f.window.game().moveHistory().RecordCount, 0);  // nothing played

    press(f.window, 14, 14);  // the next click clears it
    EXPECT_FALSE(aids.hintShown());
    EXPECT_EQ(shown(f.window), nullptr);

    aids.showHint();
    press(f.window, 5, 18);  // a selection: the hint goes, the piece is selected
    EXPECT_FALSE(aids.hintShown());
    EXPECT_EQ(f.window.game().selected().SelectState, 1);
    aids.showHint();
    key(f.window, Qt::Key_Escape);
    EXPECT_FALSE(aids.hintShown());
    EXPECT_EQ(f.window.game().selected().SelectState, 0);
}

TEST(Aids, InfluenceTintsTheWoodUnderThePiecesAndFollowsTheBoard) {
    WindowFixture f;
    Game& g = f.window.game();
    f.window.aids().influenceAction()->trigger();
    const QImage* picture = shown(f.window);
    ASSERT_NE(picture, nullptr);
    const QImage& canvas = f.window.canvas().image();
    const QImage wood = PictureSet::load("KARA_MASU");
    auto colourAt = [&](int x, int y) { return QColor(picture->pixel(inCell(x, y, 36, 40))); };
    EXPECT_GT(colourAt(14, 11).red(), colourAt(14, 11).blue());  // the upper pawns' row
    EXPECT_GT(colourAt(14, 17).blue(), colourAt(14, 17).red());  // the lower pawns'
    EXPECT_EQ(picture->pixel(inCell(14, 14, 36, 40)), canvas.pixel(inCell(14, 14, 36, 40)));  // nobody's

    // On a square with a piece only the wood changes: the piece's face is the canvas's.
    const int balance = f.window.aids().picture().influence().balance(14, 18);
    ASSERT_NE(balance, 0);
    int woodTinted = 0, faceChanged = 0;
    for (int y = 4; y < 80; ++y)
        for (int x = 4; x < 72; ++x) {
            const QRgb before = canvas.pixel(inCell(14, 18, x, y)), after = picture->pixel(inCell(14, 18, x, y));
            if ((before & 0xffffff) == (wood.pixel(x, y) & 0xffffff)) woodTinted += before != after;
            else faceChanged += before != after;
        }
    EXPECT_GT(woodTinted, 1000);
    EXPECT_EQ(faceChanged, 0);

    // It follows a move and 戻.
    command(f.window, Menu::START);
    press(f.window, 14, 18);
    press(f.window, 14, 17);
    shown(f.window);
    EXPECT_EQ(f.window.aids().picture().influence().balance(14, 16), 1);
    command(f.window, Menu::REPLAY);
    shown(f.window);
    EXPECT_EQ(f.window.aids().picture().influence().balance(14, 16), 0);
    EXPECT_EQ(g.moveHistory().RecordCount, 0);
}

TEST(Aids, MoveListFollowsTheHistoryAndGoesToAClickedMove) {
    WindowFixture f;
    Game& g = f.window.game();
    const int width = f.window.width();
    f.window.aids().listAction()->trigger();
    MoveList& list = f.window.aids().moveList();
    EXPECT_TRUE(list.shown());
    EXPECT_GT(f.window.width(), width);
    command(f.window, Menu::START);
    const int moves[][4] = {{14, 18, 14, 17}, {14, 10, 14, 11}, {13, 18, 13, 17}, {13, 10, 13, 11}};
    for (const auto& m : moves) {
        press(f.window, m[0], m[1]);
        press(f.window, m[2], m[3]);
    }
    QListWidget* view = list.view();
    ASSERT_EQ(view->count(), 5);
    EXPECT_EQ(view->item(2)->text().toStdString(), "\u2007\u20072 △ 14 11歩");
    EXPECT_EQ(view->currentRow(), 4);

    emit view->itemClicked(view->item(2));
    settle();
    EXPECT_EQ(g.moveHistory().RecordCount, 2);
    EXPECT_EQ(g.position().Board(13, 17), EMPTY);
    EXPECT_EQ(view->count(), 5);  // the moves after it can still be stepped into
    EXPECT_EQ(view->currentRow(), 2);
    key(f.window, Qt::Key_Right);
    EXPECT_EQ(g.moveHistory().RecordCount, 3);
    EXPECT_EQ(view->currentRow(), 3);
    key(f.window, Qt::Key_Left);
    key(f.window, Qt::Key_Left);
    EXPECT_EQ(g.moveHistory().RecordCount, 1);
    EXPECT_EQ(view->currentRow(), 1);

    // A step that is refused ends the walk; the highlight stays with the position.
    emit view->itemClicked(view->item(2));
    settle();
    g.arrangeHistory().RecCaptured(3) = 30;  // unfit: the square is empty
    onNextBox([](QMessageBox* b) { b->accept(); });
    view->setCurrentRow(4);  // as a click selects it
    emit view->itemClicked(view->item(4));
    settle();
    EXPECT_EQ(g.moveHistory().RecordCount, 2);
    EXPECT_EQ(view->currentRow(), 2);

    command(f.window, Menu::CANCEL);
    EXPECT_EQ(view->count(), 1);

    f.window.aids().listAction()->trigger();
    EXPECT_FALSE(list.shown());
    EXPECT_EQ(f.window.width(), width);
}

TEST(Aids, OnOffStateSurvivesARestartBesideAnUnchangedSettingsFile) {
    WindowFixture f;
    const std::string ini = slurp(f.folder.path / "Orizen.ini");
    f.window.aids().influenceAction()->trigger();
    f.window.aids().listAction()->trigger();
    f.window.aids().secondsAction(10)->trigger();
    EXPECT_EQ(f.window.players().searching().moveTimeMs, 10000);
    EXPECT_EQ(slurp(f.folder.path / "Orizen.ini"), ini);
    EXPECT_EQ(std::count(ini.begin(), ini.end(), '\n'), 3);

    MainWindow again(f.sound);
    again.game().setFolders(f.folder.path.string(), again.game().locations().AssetFolder);
    again.load();
    EXPECT_TRUE(again.aids().influenceAction()->isChecked());
    EXPECT_TRUE(again.aids().listAction()->isChecked());
    EXPECT_TRUE(again.aids().moveList().shown());
    EXPECT_TRUE(again.aids().secondsAction(10)->isChecked());
    EXPECT_FALSE(again.aids().secondsAction(1)->isChecked());
    EXPECT_EQ(again.players().searching().moveTimeMs, 10000);
    EXPECT_NE(shown(again), nullptr);
}

}  // namespace orizen::window::test
