#include "window/aid_picture.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "game/move_notes.h"
#include "window/buffer_canvas.h"

namespace orizen::window {

namespace {

// Window units to buffer pixels, as the canvas rounds them.
int px(double units) { return int(std::floor(units * kPixelsPerUnit + 0.5)); }

// Inside a board square's outline, in picture pixels.
constexpr int kInsideLeft = kBufferScale, kInsideTop = kBufferScale;
constexpr int kInsideRight = SquareWidth * kBufferScale / 15, kInsideBottom = SquareHeight * kBufferScale / 15;

const QColor kLowerTint(0, 60, 255);
const QColor kUpperTint(235, 0, 40);
const QColor kHintColour(230, 0, 230);

// Where the hint's text goes: right of the board, below the lower side's last move.
constexpr double kHintTextX = 30, kHintTextY = 7.2;
// Where a search's lines go: below the hint, a line every kLineStep squares.
constexpr double kLinesY = 9.2, kLineStep = 0.75;

void shadowedText(QImage& image, double x, double y, const QString& text, const QColor& colour, int sizePt) {
    QFont f = windowFont();
    f.setPointSizeF(sizePt);
    f.setBold(true);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(f);
    const QFontMetricsF fm(f, &image);
    const double X = (BoardLeft + x * SquareWidth) * kPixelsPerUnit, Y = (BoardTop + y * SquareHeight) * kPixelsPerUnit;
    const double shadow = 0.1 * SquareWidth * kPixelsPerUnit;
    p.setPen(Qt::black);
    p.drawText(QPointF(X + shadow, Y + shadow + fm.ascent()), text);
    p.setPen(colour);
    p.drawText(QPointF(X, Y + fm.ascent()), text);
}

}  // namespace

AidPicture::AidPicture(const PictureSet& pictures) {
    if (const QImage* w = pictures.find(EMPTY)) wood_ = w->convertToFormat(QImage::Format_RGB32);
}

QColor AidPicture::tint(int balance) {
    if (balance == 0) return QColor(0, 0, 0, 0);
    QColor c = balance > 0 ? kLowerTint : kUpperTint;
    const int margin = std::abs(balance);
    c.setAlphaF(std::min(0.3 + 0.12 * (margin - 1), 0.7));
    return c;
}

const QImage& AidPicture::compose(const QImage& canvas, std::uint64_t canvasGeneration, const Cells& board,
                                  bool influence, const HintMarks* hint, const std::vector<std::string>& lines,
                                  std::uint64_t& generation) {
    const bool tintChanged = influence && influence_.update(board);
    std::string key;
    if (hint != nullptr)
        key = std::to_string(hint->fromX) + "," + std::to_string(hint->fromY) + "," + std::to_string(hint->toX) +
              "," + std::to_string(hint->toY) + " " + hint->text + " " + std::string(languageCode(language));
    for (const std::string& line : lines) key += "\n" + line;
    if (canvasGeneration != canvasGeneration_ || tintChanged || influence != influenceShown_ || key != hintKey_) {
        image_ = canvas.copy();
        if (influence) drawTint();
        if (hint != nullptr) drawHint(*hint);
        drawLines(lines);
        canvasGeneration_ = canvasGeneration;
        influenceShown_ = influence;
        hintKey_ = key;
        ++generation_;
    }
    generation = generation_;
    return image_;
}

void AidPicture::drawTint() {
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const QColor c = tint(influence_.balance(x, y));
            if (c.alpha() == 0) continue;
            const double a = c.alphaF();
            const double r = c.red() * a, g = c.green() * a, b = c.blue() * a;
            const int ox = px(BoardLeft + x * SquareWidth), oy = px(BoardTop + y * SquareHeight);
            for (int j = kInsideTop; j < kInsideBottom; ++j) {
                if (oy + j < 0 || oy + j >= image_.height()) continue;
                auto* line = reinterpret_cast<QRgb*>(image_.scanLine(oy + j));
                const auto* wood = j < wood_.height() ? reinterpret_cast<const QRgb*>(wood_.constScanLine(j)) : nullptr;
                for (int i = kInsideLeft; i < kInsideRight; ++i) {
                    if (ox + i < 0 || ox + i >= image_.width()) continue;
                    QRgb& p = line[ox + i];
                    // Only the wood: the piece's own face and character stay as they are.
                    if (wood != nullptr && i < wood_.width() && (p & 0xffffff) != (wood[i] & 0xffffff)) continue;
                    p = qRgb(int(qRed(p) * (1 - a) + r), int(qGreen(p) * (1 - a) + g), int(qBlue(p) * (1 - a) + b));
                }
            }
        }
}

void AidPicture::drawHint(const HintMarks& hint) {
    QPainter p(&image_);
    const int t = 2 * kBufferScale, w = kInsideRight - kInsideLeft, h = kInsideBottom - kInsideTop;
    for (const auto& [x, y] : {std::pair{hint.fromX, hint.fromY}, std::pair{hint.toX, hint.toY}}) {
        const int ox = px(BoardLeft + x * SquareWidth) + kInsideLeft, oy = px(BoardTop + y * SquareHeight) + kInsideTop;
        p.fillRect(ox, oy, w, t, kHintColour);
        p.fillRect(ox, oy + h - t, w, t, kHintColour);
        p.fillRect(ox, oy, t, h, kHintColour);
        p.fillRect(ox + w - t, oy, t, h, kHintColour);
    }
    p.end();
    shadowedText(image_, kHintTextX, kHintTextY, QString::fromStdString(shown(language, "ヒント")), QColor(255, 140, 255), 10);
    shadowedText(image_, kHintTextX, kHintTextY + 0.8, QString::fromStdString(shown(language, hint.text)), Qt::white, 12);
}

void AidPicture::drawLines(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        shadowedText(image_, kHintTextX, kLinesY + kLineStep * double(i), QString::fromStdString(shownLine(language, lines[i])),
                     i < 2 ? QColor(255, 230, 140) : Qt::white, i < 2 ? 11 : 10);
    }
}

}  // namespace orizen::window
