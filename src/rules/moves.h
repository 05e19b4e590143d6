// The squares a piece on (x, y) may move to, walked along its pattern: exactly the board moves
// that 移動チェック allows, each square once. The piece need not stand on (x, y).
#pragma once

#include "rules/analysis.h"

namespace orizen::moves {

template <class Visit>
inline void each(const Analysis& g, int x, int y, int piece, Visit&& visit) {
    const bool upper = piece >= 30;
    if (!upper && piece > -30) return;
    const int f = upper ? 1 : -1;  // forward
    auto own = [upper](int t) { return upper ? t >= 30 : t <= -30; };
    auto step = [&](int i, int j) {
        if (i < 1 || i > 27 || j < 1 || j > 27 || own(g.pos.Board(i, j))) return;
        visit(i, j);
    };
    // Up to the first occupied square, which is taken unless it holds one of the mover's own.
    auto ray = [&](int dx, int dy) {
        for (int i = x + dx, j = y + dy; i >= 1 && i <= 27 && j >= 1 && j <= 27; i += dx, j += dy) {
            const int t = g.pos.Board(i, j);
            if (own(t)) return;
            visit(i, j);
            if (t != EMPTY) return;
        }
    };
    switch (upper ? piece : -piece) {
        case 30: step(x, y + f); break;
        case 40: ray(0, f); break;
        case 50: step(x - 1, y + 2 * f), step(x + 1, y + 2 * f); break;
        case 100:
            step(x - 1, y + f), step(x, y + f), step(x + 1, y + f);
            step(x - 1, y - f), step(x + 1, y - f);
            break;
        case 31: case 41: case 51: case 101: case 110:
            step(x - 1, y + f), step(x, y + f), step(x + 1, y + f);
            step(x - 1, y), step(x + 1, y), step(x, y - f);
            break;
        case 800: ray(-1, -1), ray(1, -1), ray(-1, 1), ray(1, 1); break;
        case 801:
            step(x, y - 1), step(x, y + 1), step(x - 1, y), step(x + 1, y);
            ray(-1, -1), ray(1, -1), ray(-1, 1), ray(1, 1);
            break;
        case 900: ray(0, -1), ray(0, 1), ray(-1, 0), ray(1, 0); break;
        case 901:
            step(x - 1, y - 1), step(x + 1, y - 1), step(x - 1, y + 1), step(x + 1, y + 1);
            ray(0, -1), ray(0, 1), ray(-1, 0), ray(1, 0);
            break;
        case 950:
            for (int i = x - 1; i <= x + 1; ++i)
                for (int j = y - 1; j <= y + 1; ++j)
                    if (i != x || j != y) step(i, j);
            break;
        default: break;
    }
}

// The drops the rules allow the lower side (lower) or the upper side, in hand order, then board
// order: visit(from x, from y, to x, to y, code), the source as the history stores a drop.
template <class Visit>
inline void eachDrop(const Analysis& g, bool lower, Visit&& visit) {
    for (int k = 1; k <= 7; ++k) {
        if ((lower ? g.pos.HandLower(k) : g.pos.HandUpper(k)) <= 0) continue;
        const int code = lower ? -kHandCode[k] : kHandCode[k];
        const int fx = lower ? 29 : -1, fy = lower ? 20 + k : k;
        for (int tx = 1; tx <= 27; ++tx)
            for (int ty = 1; ty <= 27; ++ty)
                if (g.移動チェック(fx, fy, tx, ty, code) == YES) visit(fx, fy, tx, ty, code);
    }
}

}  // namespace orizen::moves
