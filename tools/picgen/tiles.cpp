// The five background tiles. Each repeats every 72 × 80 pixels, so that the tiled margins show
// no seams.
#include <cmath>

#include "picgen.h"

namespace picgen {

namespace {

QRgb rgb(double r, double g, double b) { return qRgb(clamp255(r), clamp255(g), clamp255(b)); }

}  // namespace

// 緑: plain green, with the faintest felt texture.
QImage tileMidori() {
    return periodicTile([](int x, int y) {
        const double f = 1.0 + 0.05 * (smoothNoise(x, y, 6, kCellW, kPicH, 21) - 0.5) +
                         0.03 * (hash01(x, y, 22) - 0.5);
        return rgb(20 * f, 118 * f, 52 * f);
    });
}

// 畳: rush strands running across, four pixels each, bound by darker warp threads.
QImage tileTatami() {
    return periodicTile([](int x, int y) {
        const int strand = y / 4;
        const double t = (y % 4 + 0.5) / 4.0;              // across one strand
        const double round = 0.82 + 0.18 * std::sin(t * M_PI);  // each strand is a rounded rush
        const double tone = 0.93 + 0.12 * hash01(strand, 0, 31) +
                            0.05 * (smoothNoise(x, strand * 4, 12, kCellW, kPicH, 32) - 0.5);
        double f = round * tone;
        // Warp threads every 12 pixels, showing on alternate strands like a weave.
        if (x % 12 < 2 && (strand + x / 12) % 2 == 0) f *= 0.72;
        return rgb(196 * f, 190 * f, 118 * f);
    });
}

// 竹: two bamboo culms to a tile, lit from the left, with their nodes at different heights.
QImage tileTake() {
    return periodicTile([](int x, int y) {
        const int culm = x / 36;
        const int u = x % 36;  // 0..3 gap, 4..35 culm
        if (u < 4) return rgb(18 + 6 * hash01(x, y, 41), 46, 20);
        const double v = (u - 4 + 0.5) / 32.0;  // across the culm
        const double light = 0.55 + 0.55 * std::pow(std::sin(v * M_PI), 0.7) + 0.25 * std::exp(-std::pow((v - 0.3) / 0.12, 2));
        const double streak = 1.0 + 0.05 * (smoothNoise(u * 4, y, 4, 144, kPicH, 42 + culm) - 0.5);
        double r = 110, g = 160, b = 60;
        const int node = culm == 0 ? 18 : 58;
        const int d = std::abs(y - node);
        double f = light * streak;
        if (d <= 1) f *= 0.62;  // the ring of a node
        else if (d <= 4) f *= 1.0 + 0.1 * (4 - d) / 3.0;
        return rgb(r * f, g * f, b * f);
    });
}

// 宇宙: deep space with stars of several sizes and a faint haze.
QImage tileUchu() {
    struct Star {
        double x, y, size, bright;
        QRgb tint;
    };
    static const Star kStars[] = {
        {10, 12, 1.6, 1.0, qRgb(255, 255, 255)}, {47, 7, 0.9, 0.7, qRgb(200, 220, 255)},
        {30, 31, 1.0, 0.8, qRgb(255, 240, 210)}, {62, 40, 2.4, 1.0, qRgb(220, 235, 255)},
        {6, 52, 0.9, 0.6, qRgb(255, 255, 255)},  {24, 66, 1.3, 0.9, qRgb(255, 225, 200)},
        {52, 70, 0.8, 0.6, qRgb(255, 255, 255)}, {40, 50, 0.7, 0.5, qRgb(190, 210, 255)},
        {68, 18, 0.8, 0.55, qRgb(255, 255, 255)}, {17, 38, 0.7, 0.45, qRgb(255, 255, 255)},
    };
    return periodicTile([](int x, int y) {
        const double haze = smoothNoise(x, y, 24, kCellW, kPicH, 51);
        double r = 4 + 10 * haze * haze, g = 4 + 6 * haze * haze, b = 14 + 22 * haze * haze;
        for (const Star& s : kStars) {
            // Distance on the torus, so that a star near an edge wraps round.
            double dx = std::fabs(x + 0.5 - s.x), dy = std::fabs(y + 0.5 - s.y);
            dx = std::min(dx, kCellW - dx);
            dy = std::min(dy, kPicH - dy);
            const double d2 = (dx * dx + dy * dy) / (s.size * s.size);
            const double core = s.bright * std::exp(-d2 * 1.2);
            const double spike = s.size > 2 ? 0.35 * s.bright * std::exp(-std::min(dx, dy) * 2.0) *
                                                   std::exp(-std::max(dx, dy) / 6.0)
                                            : 0;
            const double a = std::min(1.0, core + spike);
            r += (qRed(s.tint) - r) * a;
            g += (qGreen(s.tint) - g) * a;
            b += (qBlue(s.tint) - b) * a;
        }
        return rgb(r, g, b);
    });
}

// 煉瓦: running bond, bricks of 32 × 16 pixels in four-pixel mortar, each brick its own red.
QImage tileRenga() {
    return periodicTile([](int x, int y) {
        const int row = y / 20, v = y % 20;
        const int shift = row % 2 ? 18 : 0;
        const int xs = (x + shift) % kCellW;
        const int brick = xs / 36, u = xs % 36;
        if (v >= 16 || u >= 32) {
            const double m = 0.9 + 0.15 * hash01(x, y, 61);
            return rgb(178 * m, 170 * m, 156 * m);
        }
        const double tone = 0.82 + 0.3 * hash01(brick, row, 62);
        const double grit = 1.0 + 0.12 * (smoothNoise(x, y, 4, kCellW, kPicH, 63) - 0.5) +
                            0.06 * (hash01(x, y, 64) - 0.5);
        // A lighter top edge and a darker bottom edge give each brick some depth.
        const double edge = v == 0 ? 1.12 : v == 15 ? 0.8 : (u == 0 ? 1.06 : u == 31 ? 0.88 : 1.0);
        const double f = tone * grit * edge;
        return rgb(168 * f, 66 * f, 44 * f);
    });
}

}  // namespace picgen
