// The empty square and the pieces: light wood, a pale five-sided piece, the piece's character.
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QFontDatabase>

#include <cmath>

#include "picgen.h"

namespace picgen {

double smoothNoise(double x, double y, int step, int periodX, int periodY, std::uint32_t seed) {
    const int nx = periodX / step, ny = periodY / step;
    const double gx = x / step, gy = y / step;
    const int x0 = int(std::floor(gx)), y0 = int(std::floor(gy));
    double fx = gx - x0, fy = gy - y0;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    auto at = [&](int i, int j) {
        return hash01(std::uint32_t(((i % nx) + nx) % nx), std::uint32_t(((j % ny) + ny) % ny), seed);
    };
    const double a = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    const double b = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return a + (b - a) * fy;
}

QImage periodicTile(const std::function<QRgb(int, int)>& pixel) {
    QImage img(kPicW, kPicH, QImage::Format_RGB32);
    for (int y = 0; y < kPicH; ++y)
        for (int x = 0; x < kPicW; ++x) img.setPixel(x, y, pixel(x % kCellW, y));
    return img;
}

namespace {

QFont firstInstalled(std::initializer_list<const char*> families, double pixelSize, bool bold) {
    const QStringList installed = QFontDatabase::families();
    QFont f;
    for (const char* fam : families)
        if (installed.contains(QString::fromUtf8(fam))) {
            f.setFamily(QString::fromUtf8(fam));
            break;
        }
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace

QFont minchoFont(double pixelSize) {
    return firstInstalled({"IPAPMincho", "IPAMincho", "Noto Serif CJK JP", "IPAPGothic"}, pixelSize, false);
}

QFont titleFont(double pixelSize) {
    return firstInstalled({"P052", "DejaVu Serif", "IPAPMincho"}, pixelSize, true);
}

QImage woodSquare() {
    const QColor base(236, 200, 136);
    QImage img(kPicW, kPicH, QImage::Format_RGB32);
    for (int y = 0; y < kPicH; ++y)
        for (int x = 0; x < kPicW; ++x) {
            // Straight grain running down the square, slightly wavy, with soft lighter patches.
            const double wave = 3.0 * smoothNoise(x, y, 16, 80, 80, 7) + 1.5 * std::sin(y * 0.06);
            const double ring = 0.5 + 0.5 * std::sin((x + wave) * 2 * M_PI / 13.0);
            const double grain = std::pow(ring, 6);
            const double patch = smoothNoise(x, y, 20, 80, 80, 11);
            const double f = 1.0 - 0.05 * grain - 0.035 * (1 - patch) + 0.015 * hash01(x, y, 3);
            img.setPixel(x, y, shade(base, f).rgb());
        }
    return img;
}

QImage piece(const QString& character, bool red, int kind, bool upper) {
    QImage img = woodSquare();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Bigger pieces for the stronger kinds, as on a real board (kind 1 pawn .. 8 king).
    static const double kSize[9] = {1, 0.86, 0.89, 0.91, 0.94, 0.96, 0.98, 0.98, 1.0};
    const double s = kSize[kind];
    const double cx = 38, cy = 41;
    QPolygonF shape;
    for (QPointF q : {QPointF(0, -34), QPointF(23, -21), QPointF(29, 34), QPointF(-29, 34), QPointF(-23, -21)})
        shape << QPointF(cx + q.x() * s, cy + q.y() * s);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 50, 10, 70));
    p.drawPolygon(shape.translated(1.5, 2.5));

    QLinearGradient face(0, cy - 34 * s, 0, cy + 34 * s);
    face.setColorAt(0, QColor(252, 242, 214));
    face.setColorAt(1, QColor(234, 210, 160));
    p.setBrush(face);
    p.setPen(QPen(QColor(150, 108, 56), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(shape);

    QPainterPath glyph;
    glyph.addText(0, 0, minchoFont(40 * s), character);
    const QRectF box = glyph.boundingRect();
    glyph.translate(cx - box.center().x(), cy + 5 * s - box.center().y());
    const QColor ink = red ? QColor(206, 18, 18) : QColor(24, 18, 12);
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(glyph);
    p.end();

    // The upper side's pieces face down the board: the same picture turned by 180 degrees.
    return upper ? img.mirrored(true, true) : img;
}

}  // namespace picgen
