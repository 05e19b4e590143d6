// One cell of the danger scan (盤評価_COM危険座標), as the sequence of additions it makes to the
// running sum. The full scan applies them at once; the search records them for the position before
// its move and replays them for every candidate, recomputing only the cells the candidate changed.
// Each addition is one operation on the sum, in the order written, so a replay is bit-exact.
#pragma once

#include <cstdlib>

#include "rules/analysis.h"

namespace orizen::danger {

inline int value(int code) { return code < 0 ? -code : code; }

// 調査_周辺状況: minus the upper major pieces and kings around (x, y), unrolled away from the edges.
inline int around(const Analysis& g, int x, int y) {
    if (x > 1 && x < 27 && y > 1 && y < 27) {
        const int16_t* a = &g.pos.Board(x - 1, y - 1);  // the row above, x - 1 .. x + 1
        const int16_t* m = &g.pos.Board(x - 1, y);
        const int16_t* b = &g.pos.Board(x - 1, y + 1);
        return -((a[0] >= 800) + (m[0] >= 800) + (b[0] >= 800) + (a[1] >= 800) + (b[1] >= 800) + (a[2] >= 800) +
                 (m[2] >= 800) + (b[2] >= 800));
    }
    return g.調査_周辺状況(x, y);
}

// The fork rule: lower pieces the placed piece could take next.
struct Fork {
    int count = 0, cheapest = 9999;
};

// The placed piece, for the fork rule; `fork` false leaves the rule out (the recorded position
// before the move has no placed piece).
struct Placed {
    int code, tx, ty;
    bool fork;
};

// Calls add(d) for each addition d that cell (x, y) makes to the sum, in order.
template <class Add>
inline void cell(Analysis& g, int x, int y, const Placed& placed, Fork& fork, Add&& add) {
    const int c = g.pos.Board(x, y);
    const int li = g.maps.LowerInfluence(x, y), ui = g.maps.UpperInfluence(x, y);
    const bool silverOrGold = g.pos.HandLower(4) > 0 || g.pos.HandLower(5) > 0;

    if (c == EMPTY) {
        if (li > 0) {
            // Next to the upper king.
            if (std::abs(x - g.pos.UpperKingX) < 2 && std::abs(y - g.pos.UpperKingY) < 2) {
                add(-(0.5 * li));
                if (ui == 1 && li > 1) add(-10.0);
                if (silverOrGold) add(-10.0);
            }
            if (ui == 0 && y < 4) {
                add(-0.1);
                if (g.調査_自守駒MAN_直進駒(x, y) == YES) add(-10.0);
            }
            // A lower pawn can advance into the upper camp.
            if (y < 4 && g.pos.Board(x, y + 1) == -30 && li >= ui) {
                add(-30.0);
                if (g.調査_自守駒MAN_直進駒(x, y + 1) == YES) add(-70.0);
            }
        }
        if (g.pos.LowerHandCount > 0) {
            // A lance dropped here skewers the piece above and the next one behind it.
            if (g.pos.HandLower(2) > 0 && y > 2 && g.pos.Board(x, y - 1) > 40 && (ui == 0 || li > 0)) {
                for (int r = y - 2; r >= 1; --r) {
                    const int b = g.pos.Board(x, r);
                    if (b == EMPTY) continue;
                    if (b > 40) {
                        add(-100.0);
                        add(-(b / 2.0));
                    }
                    break;
                }
            }
            // A knight dropped here forks two upper pieces.
            if (g.pos.HandLower(3) > 0 && (ui == 0 || (li > 0 && g.maps.UpperAttacker(x, y) > 50)) && y > 2 && x > 1 &&
                x < 27 && g.pos.Board(x - 1, y - 2) > 30 && g.pos.Board(x + 1, y - 2) > 30)
                add(-20.0);
            if (silverOrGold && ui <= 1) {
                const int near = around(g, x, y);
                if (near < -1) add(-5.0);
                if (ui == 0 && near < 0) {
                    add(-1.0);
                    if (y < 4) add(-10.0);
                }
            }
            if (ui == 0) {
                if (y == 2 && g.pos.Board(x, 1) == 50) add(-5.0);
                if (y < 4) add(-0.1);
                // A silver dropped here forks along the diagonals.
                if (g.pos.HandLower(4) > 0 && y >= 2 && y <= 26 && x > 1 && x < 27) {
                    if (g.pos.Board(x - 1, y - 1) >= 30 && g.pos.Board(x + 1, y + 1) >= 30 &&
                        g.maps.UpperInfluence(x - 1, y - 1) == 0 && g.maps.UpperInfluence(x + 1, y + 1) == 0)
                        add(-20.0);
                    if (g.pos.Board(x + 1, y - 1) >= 30 && g.pos.Board(x - 1, y + 1) >= 30 &&
                        g.maps.UpperInfluence(x + 1, y - 1) == 0 && g.maps.UpperInfluence(x - 1, y + 1) == 0)
                        add(-20.0);
                }
            }
        }
    } else if (c >= 30) {
        const int p = c;
        if (p == 950 && y == 1 && g.maps.LowerInfluence(x, 2) > 0) {
            add(-50.0);
            if (g.maps.LowerInfluence(x, 2) >= g.maps.UpperInfluence(x, 2)) add(-250.0);
            if (silverOrGold) add(-700.0);
        }
        const int la = g.maps.LowerAttacker(x, y);
        if (p == 30 && la == -900 && g.pos.HandLower(1) > 0 && li >= ui && y < 27 &&
            g.maps.UpperInfluence(x, y + 1) == 1)
            add(-5.0);
        if (li > 0) {
            const int guard = g.maps.UpperGuard(x, y);
            if (guard == 950 && (li > 1 || p > value(la))) add(-100.0);
            const bool free = g.maps.LowerPinned(g.maps.LowerAttackerX(x, y), g.maps.LowerAttackerY(x, y)) == 0;
            if (free && p > value(la)) {
                add(double(-p));
                add(double(value(la)));
            }
            if (ui == 0) {
                add(double(-p));
                if (y <= 3) add(-1.0);
                if (g.work.BoardBefore(x, y) <= -30) add(double(value(g.work.BoardBefore(x, y))));
                if (y < 4 && (la == -30 || la == -40)) add(-20.0);
            } else if (free) {
                if (li > ui && guard >= value(la)) add(double(-p));
                if (y <= 3 && ui == li && g.pos.Board(x, y + 1) != EMPTY && g.調査_自守駒MAN_直進駒(x, y + 1) == YES) {
                    add(double(-p));
                    add(double(-value(g.maps.LowerAttacker(x, y + 1))));
                }
            }
        }
    } else if (c <= -30) {
        const int q = c;
        if (ui > 0 && g.work.UpperInfluenceBefore(x, y) == 0) {
            if (y > 2 && q == -50 && g.maps.LowerInfluence(x, y - 1) == 0) {
                const int above = g.pos.Board(x, y - 1);
                if (above == 100 || above == 801 || above == 901) add(1.0);
            }
            if (std::abs(x - g.pos.UpperKingX) < 3 && std::abs(y - g.pos.UpperKingY) < 3) add(15.0);
        }
        if (q == -50 && y > 4 && g.pos.Board(x, y - 4) >= 100) {
            if (x > 1 && g.pos.Board(x - 1, y - 2) >= 0 && g.maps.UpperInfluence(x - 1, y - 2) == 0) add(-1.0);
            if (x < 27 && g.pos.Board(x + 1, y - 2) >= 0 && g.maps.UpperInfluence(x + 1, y - 2) == 0) add(-1.0);
        } else if ((q == -900 || q == -901 || q == -40) && x == g.pos.UpperKingX) {
            add(-1.0);
        }
        // The placed piece, itself safe, could take this piece next.
        if (placed.fork && g.maps.LowerInfluence(placed.tx, placed.ty) == 0 &&
            (li == 0 || (x == g.pos.LowerKingX && y == g.pos.LowerKingY)) &&
            g.移動チェック(placed.tx, placed.ty, x, y, placed.code) == YES) {
            add(0.1);
            ++fork.count;
            if (value(q) < fork.cheapest) fork.cheapest = value(q);
        }
    }
}

// The whole scan: every cell in board order, then the fork.
inline double scan(Analysis& g, const Placed& placed) {
    double S = 0;
    Fork fork;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) cell(g, x, y, placed, fork, [&S](double d) { S += d; });
    if (fork.count >= 2) S += fork.cheapest;
    return S;
}

}  // namespace orizen::danger
