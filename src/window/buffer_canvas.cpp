#include "window/buffer_canvas.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>

#include "game/game.h"
#include "window/palette.h"

namespace orizen::window {

namespace {

// Window units to buffer pixels, rounded to whole pixels so that pictures and lines stay sharp.
int px(double units) { return int(std::floor(units * kPixelsPerUnit + 0.5)); }

// The grid of the screen's cells in buffer pixels: cell x −4, y −2 is the first; each outline is a
// band of kLine pixels around its cell, from the corner to the corner plus the cell's size.
constexpr int kCellW = SquareWidth * kBufferScale / 15, kCellH = SquareHeight * kBufferScale / 15;
constexpr int kGridX = BoardLeft * kBufferScale / 15 - 4 * kCellW, kGridY = BoardTop * kBufferScale / 15 - 2 * kCellH;
constexpr int kLine = kBufferScale;
static_assert(SquareWidth * kBufferScale % 15 == 0 && SquareHeight * kBufferScale % 15 == 0 &&
                  BoardLeft * kBufferScale % 15 == 0 && BoardTop * kBufferScale % 15 == 0,
              "cells lie on whole pixels");

// The four bands of the outline whose corner is at pixel (x, y).
std::array<QRect, 4> bands(int x, int y) {
    return {QRect(x, y, kCellW + kLine, kLine), QRect(x, y + kCellH, kCellW + kLine, kLine),
            QRect(x, y, kLine, kCellH + kLine), QRect(x + kCellW, y, kLine, kCellH + kLine)};
}

// Palette colours the outline memory can hold.
bool memorable(int colour) { return colour >= 0 && colour < 128; }

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
    outlines_.filled(COLOUR_GREEN);
}

int BufferCanvas::Outlines::cell(int x, int y) {
    const int dx = x - kGridX, dy = y - kGridY;
    if (dx < 0 || dy < 0 || dx % kCellW != 0 || dy % kCellH != 0) return -1;
    const int i = dx / kCellW, j = dy / kCellH;
    return i < kColumns && j < kRows ? j * kColumns + i : -1;
}

void BufferCanvas::Outlines::drawn(int cell, int colour) {
    // Every neighbour, diagonal ones too, shares a band's end with it.
    const int i = cell % kColumns, j = cell / kColumns;
    for (int n = std::max(j - 1, 0); n <= std::min(j + 1, kRows - 1); ++n)
        for (int m = std::max(i - 1, 0); m <= std::min(i + 1, kColumns - 1); ++m)
            if (colour_[n * kColumns + m] != colour) colour_[n * kColumns + m] = -1;
    colour_[cell] = std::int8_t(colour);
}

void BufferCanvas::Outlines::covered(const QRect& area) {
    // The cells whose outline's extent meets the area, then those of them a band of which does.
    const auto first = [](int from, int grid, int size) { return from <= grid ? 0 : (from - grid) / size; };
    const int i0 = std::max(0, first(area.left() - kCellW - kLine + 1, kGridX, kCellW));
    const int j0 = std::max(0, first(area.top() - kCellH - kLine + 1, kGridY, kCellH));
    const int i1 = std::min(kColumns - 1, area.right() < kGridX ? -1 : (area.right() - kGridX) / kCellW);
    const int j1 = std::min(kRows - 1, area.bottom() < kGridY ? -1 : (area.bottom() - kGridY) / kCellH);
    for (int j = j0; j <= j1; ++j)
        for (int i = i0; i <= i1; ++i) {
            std::int8_t& c = colour_[j * kColumns + i];
            if (c < 0) continue;
            for (const QRect& band : bands(kGridX + i * kCellW, kGridY + j * kCellH))
                if (band.intersects(area)) c = -1;
        }
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
    const QPoint at(px(X), px(Y));
    drawn(Drawn{Drawn::Kind::Picture, code, X, Y, QRect(at, pic->size()), {}, 0, false, true}, opaque(code, *pic));
    painter().drawImage(at, *pic);
    outlines_.covered(QRect(at, pic->size()));
    changed();
}

void BufferCanvas::outline(int colour, double X, double Y) {
    // One 96-dpi pixel wide, from the corner to the corner plus (270, 300) inclusive, so that
    // neighbouring cells share their edges.
    const int x = px(X), y = px(Y);
    const int cell = memorable(colour) ? Outlines::cell(x, y) : -1;
    if (cell >= 0 && skipRepeatedOutlines && outlines_.colour(cell) == colour) return;
    drawn(Drawn{Drawn::Kind::Outline, colour, X, Y, QRect(x, y, kCellW + kLine, kCellH + kLine), {}, 0, false, true}, false);
    const QColor c = paletteColour(colour);
    QPainter& p = painter();
    for (const QRect& band : bands(x, y)) p.fillRect(band, c);
    if (cell >= 0) outlines_.drawn(cell, colour);
    else outlines_.covered(QRect(x, y, kCellW + kLine, kCellH + kLine));
    changed();
}

BufferCanvas::Placed BufferCanvas::place(const TextFont& f, double X, double Y, const std::string& utf8) const {
    const QString s = QString::fromStdString(shown(language_, utf8));
    // The position is the top-left of the text line: the baseline lies one ascent below it.
    const QPointF baseline(X * kPixelsPerUnit, Y * kPixelsPerUnit + f.metrics.ascent());
    const QRectF line(baseline.x(), baseline.y() - f.metrics.ascent(), f.metrics.horizontalAdvance(s),
                      f.metrics.height());
    return {s, baseline,
            f.metrics.boundingRect(s).translated(baseline).united(line).toAlignedRect().adjusted(-4, -4, 4, 4)};
}

QRectF BufferCanvas::textArea(double X, double Y, const std::string& utf8, int sizePt, bool bold) {
    const QRect box = place(textFont(sizePt, bold), X, Y, utf8).box.adjusted(4, 4, -4, -4);
    return QRectF(box.x() / kPixelsPerUnit, box.y() / kPixelsPerUnit, box.width() / kPixelsPerUnit,
                  box.height() / kPixelsPerUnit);
}

void BufferCanvas::text(double X, double Y, const std::string& utf8, int colour, int sizePt, bool bold) {
    const TextFont& f = textFont(sizePt, bold);
    const auto [s, baseline, box] = place(f, X, Y, utf8);
    drawn(Drawn{Drawn::Kind::Text, colour, X, Y, box, utf8, sizePt, bold, true}, false);
    QPainter& p = painter();
    p.setFont(f.font);
    p.setPen(paletteColour(colour));
    p.drawText(baseline, s);
    outlines_.covered(box);
    changed();
}

int BufferCanvas::bucketOf(QPoint p) {
    const int i = (p.x() - kGridX) / kCellW, j = (p.y() - kGridY) / kCellH;
    constexpr int kColumns = 42, kRows = 33;
    return p.x() < kGridX || p.y() < kGridY || i >= kColumns || j >= kRows ? kColumns * kRows : j * kColumns + i;
}

bool BufferCanvas::opaque(int code, const QImage& picture) {
    auto it = opaque_.find(code);
    if (it == opaque_.end()) {
        bool all = true;
        for (int y = 0; y < picture.height() && all; ++y)
            for (int x = 0; x < picture.width() && all; ++x) all = qAlpha(picture.pixel(x, y)) == 255;
        it = opaque_.emplace(code, all).first;
    }
    return it->second;
}

void BufferCanvas::drawn(Drawn d, bool opaque) {
    if (buckets_.empty()) buckets_.resize(42 * 33 + 1);
    // What lies whole under an opaque picture, and an outline drawn again in the same place, no
    // longer shows. Whatever lies whole in an area has its corner in one of the cells it meets.
    const auto hide = [&](int bucket) {
        for (int i : buckets_[std::size_t(bucket)]) {
            Drawn& e = drawn_[std::size_t(i)];
            if (!e.shows) continue;
            const bool under = opaque ? d.area.contains(e.area)
                                      : d.kind == Drawn::Kind::Outline && e.kind == Drawn::Kind::Outline && e.area == d.area;
            if (under) e.shows = false, ++hidden_;
        }
    };
    if (opaque || d.kind == Drawn::Kind::Outline) {
        const QPoint a = d.area.topLeft(), b = d.area.bottomRight();
        std::array<int, 5> seen{};
        int n = 0;
        for (const QPoint p : {a, QPoint(b.x(), a.y()), QPoint(a.x(), b.y()), b}) {
            const int bucket = bucketOf(p);
            if (std::find(seen.begin(), seen.begin() + n, bucket) == seen.begin() + n) seen[std::size_t(n++)] = bucket;
        }
        // An area wider or taller than a cell meets more cells than its corners'.
        if (d.area.width() > kCellW + kLine || d.area.height() > kCellH + kLine) {
            for (std::size_t b2 = 0; b2 < buckets_.size(); ++b2) hide(int(b2));
        } else {
            for (int k = 0; k < n; ++k) hide(seen[std::size_t(k)]);
        }
    }
    buckets_[std::size_t(bucketOf(d.area.topLeft()))].push_back(int(drawn_.size()));
    drawn_.push_back(std::move(d));
    if (hidden_ > 4096 && hidden_ * 2 > drawn_.size()) {
        // Only what still shows is kept.
        std::vector<Drawn> kept;
        kept.reserve(drawn_.size() - hidden_);
        for (Drawn& e : drawn_)
            if (e.shows) kept.push_back(std::move(e));
        drawn_ = std::move(kept);
        hidden_ = 0;
        for (auto& bucket : buckets_) bucket.clear();
        for (std::size_t i = 0; i < drawn_.size(); ++i)
            buckets_[std::size_t(bucketOf(drawn_[i].area.topLeft()))].push_back(int(i));
    }
}

void BufferCanvas::setLanguage(Language language) {
    if (language == language_) return;
    language_ = language;
    // The same picture drawn again: the fill, then everything that still shows, in order.
    std::vector<Drawn> shown = std::move(drawn_);
    fill(filled_);
    for (const Drawn& d : shown) {
        if (!d.shows) continue;
        if (d.kind == Drawn::Kind::Picture) picture(d.code, d.X, d.Y);
        else if (d.kind == Drawn::Kind::Outline) outline(d.code, d.X, d.Y);
        else text(d.X, d.Y, d.text, d.code, d.sizePt, d.bold);
    }
}

void BufferCanvas::fill(int colour) {
    if (painter_.isActive()) painter_.end();
    drawn_.clear();
    for (auto& bucket : buckets_) bucket.clear();
    hidden_ = 0;
    filled_ = colour;
    background_ = paletteColour(colour);
    image_.fill(background_);
    outlines_.filled(memorable(colour) ? colour : -1);
    changed();
}

void BufferCanvas::refresh() {
    if (onRefresh) onRefresh();
}

}  // namespace orizen::window
