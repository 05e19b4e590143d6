// Shared pieces of the picture generator: sizes, deterministic noise, fonts.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

namespace picgen {

// Every picture is made at four times the size it has at 96 dpi.
inline constexpr int kScale = 4;
inline constexpr int kCellW = 18 * kScale;  // a cell's pitch; the picture is one pixel wider
inline constexpr int kPicW = 19 * kScale;
inline constexpr int kPicH = 20 * kScale;
inline constexpr int kTitleW = 118 * kScale;
inline constexpr int kTitleH = 39 * kScale;
inline constexpr int kVersionW = 337 * kScale;
inline constexpr int kVersionH = 106 * kScale;

// Integer hash noise in [0, 1): the same on every machine, unlike <random>'s distributions.
inline double hash01(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffff) / double(0x1000000);
}

// Smooth value noise, periodic with the given periods (in pixels, multiples of `step`).
double smoothNoise(double x, double y, int step, int periodX, int periodY, std::uint32_t seed);

inline int clamp255(double v) { return v < 0 ? 0 : v > 255 ? 255 : int(v + 0.5); }
inline QColor shade(const QColor& c, double f) {
    return QColor(clamp255(c.red() * f), clamp255(c.green() * f), clamp255(c.blue() * f));
}

// A tile pattern given per pixel over one 72 × 80 period; columns 72..75 repeat 0..3, since the
// next cell covers them.
QImage periodicTile(const std::function<QRgb(int x, int y)>& pixel);

// The Japanese serif of the window, and a Latin serif for the title lettering.
QFont minchoFont(double pixelSize);
QFont titleFont(double pixelSize);

// Pictures.
QImage woodSquare();
QImage piece(const QString& character, bool red, int kind, bool upper);
QImage tileMidori();
QImage tileTatami();
QImage tileTake();
QImage tileUchu();
QImage tileRenga();
QImage title();
QImage versionPicture(const QString& maker);
// The program's icon, size × size with a transparent background.
QImage icon(int size);

}  // namespace picgen
