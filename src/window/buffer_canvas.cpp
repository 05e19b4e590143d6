#include "window/buffer_canvas.h"

#include <QFontDatabase>

#include <cmath>

#include "game/game.h"
#include "window/palette.h"

namespace orizen::window {

namespace {

// Window units to buffer pixels, rounded to whole pixels so that pictures and lines stay sharp.
int px(double units) { return int(std::floor(units * kPixelsPerUnit + 0.5)); }

}  // namespace

QFont windowFont() {
    QFont f;
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const char* fam : {"IPAPMincho", "IPAMincho", "Noto Serif CJK JP", "Noto Sans CJK JP", "IPAPGothic",
                            "IPAGothic", "VL PGothic", "TakaoPMincho"})
        if (installed.contains(QString::fromUtf8(fam))) families << QString::fromUtf8(fam);
    if (!families.isEmpty()) f.setFamilies(families);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setPointSize(9);
    return f;
}

BufferCanvas::BufferCanvas(const PictureSet& pictures)
    : pictures_(pictures), image_(kBufferW, kBufferH, QImage::Format_RGB32),
      background_(paletteColour(COLOUR_GREEN)), font_(windowFont()) {
    // At this resolution a point (20 window units) is 16/3 pixels: 384 dots to the inch.
    const int dotsPerMeter = int(std::lround(1440 * kPixelsPerUnit / 0.0254));
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.fill(background_);
}

QPainter& BufferCanvas::painter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }
    return painter_;
}

const BufferCanvas::TextFont& BufferCanvas::textFont(int sizePt, bool bold) {
    const int key = sizePt * 2 + (bold ? 1 : 0);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        QFont f = font_;
        f.setPointSizeF(sizePt);
        f.setBold(bold);
        it = fonts_.emplace(key, TextFont{f, QFontMetricsF(f, &image_)}).first;
    }
    return it->second;
}

void BufferCanvas::picture(int code, double X, double Y) {
    const QImage* pic = pictures_.find(code);
    if (!pic) return;
    painter().drawImage(QPoint(px(X), px(Y)), *pic);
    changed();
}

void BufferCanvas::outline(int colour, double X, double Y) {
    // One 96-dpi pixel wide, from the corner to the corner plus (270, 300) inclusive, so that
    // neighbouring cells share their edges.
    const int x = px(X), y = px(Y), w = px(SquareWidth), h = px(SquareHeight), t = kBufferScale;
    const QColor c = paletteColour(colour);
    QPainter& p = painter();
    p.fillRect(x, y, w + t, t, c);
    p.fillRect(x, y + h, w + t, t, c);
    p.fillRect(x, y, t, h + t, c);
    p.fillRect(x + w, y, t, h + t, c);
    changed();
}

void BufferCanvas::text(double X, double Y, const std::string& utf8, int colour, int sizePt, bool bold) {
    const TextFont& f = textFont(sizePt, bold);
    QPainter& p = painter();
    p.setFont(f.font);
    p.setPen(paletteColour(colour));
    // The position is the top-left of the text line: the baseline lies one ascent below it.
    const QPointF baseline(X * kPixelsPerUnit, Y * kPixelsPerUnit + f.metrics.ascent());
    p.drawText(baseline, QString::fromStdString(utf8));
    changed();
}

void BufferCanvas::fill(int colour) {
    if (painter_.isActive()) painter_.end();
    background_ = paletteColour(colour);
    image_.fill(background_);
    changed();
}

void BufferCanvas::refresh() {
    if (onRefresh) onRefresh();
}

}  // namespace orizen::window
