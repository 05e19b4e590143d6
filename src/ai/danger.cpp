// Danger squares of both camps after a candidate, and the caution about the lower bishops.
#include <cstdlib>

#include "game/game.h"

namespace orizen {

namespace {

inline int value(int code) { return code < 0 ? -code : code; }

}  // namespace

double Game::盤評価_COM危険座標(int placed, int tx, int ty) {
    double S = 0;
    int forks = 0, cheapest = 9999;
    const bool silverOrGold = HandLower(4) > 0 || HandLower(5) > 0;

    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int c = Board(x, y);
            const int li = LowerInfluence(x, y), ui = UpperInfluence(x, y);

            if (c == EMPTY) {
                if (li > 0) {
                    // Next to the upper king.
                    if (std::abs(x - UpperKingX) < 2 && std::abs(y - UpperKingY) < 2) {
                        S -= 0.5 * li;
                        if (ui == 1 && li > 1) S -= 10;
                        if (silverOrGold) S -= 10;
                    }
                    if (ui == 0 && y < 4) {
                        S -= 0.1;
                        if (調査_自守駒MAN_直進駒(x, y) == YES) S -= 10;
                    }
                    // A lower pawn can advance into the upper camp.
                    if (y < 4 && Board(x, y + 1) == -30 && li >= ui) {
                        S -= 30;
                        if (調査_自守駒MAN_直進駒(x, y + 1) == YES) S -= 70;
                    }
                }
                if (LowerHandCount > 0) {
                    // A lance dropped here skewers the piece above and the next one behind it.
                    if (HandLower(2) > 0 && y > 2 && Board(x, y - 1) > 40 && (ui == 0 || li > 0)) {
                        for (int r = y - 2; r >= 1; --r) {
                            const int b = Board(x, r);
                            if (b == EMPTY) continue;
                            if (b > 40) S = S - 100 - b / 2.0;
                            break;
                        }
                    }
                    // A knight dropped here forks two upper pieces.
                    if (HandLower(3) > 0 && (ui == 0 || (li > 0 && UpperAttacker(x, y) > 50)) && y > 2 &&
                        x > 1 && x < 27 && Board(x - 1, y - 2) > 30 && Board(x + 1, y - 2) > 30)
                        S -= 20;
                    if (silverOrGold && ui <= 1) {
                        if (調査_周辺状況(x, y) < -1) S -= 5;
                        if (ui == 0 && 調査_周辺状況(x, y) < 0) {
                            S -= 1;
                            if (y < 4) S -= 10;
                        }
                    }
                    if (ui == 0) {
                        if (y == 2 && Board(x, 1) == 50) S -= 5;
                        if (y < 4) S -= 0.1;
                        // A silver dropped here forks along the diagonals.
                        if (HandLower(4) > 0 && y >= 2 && y <= 26 && x > 1 && x < 27) {
                            if (Board(x - 1, y - 1) >= 30 && Board(x + 1, y + 1) >= 30 &&
                                UpperInfluence(x - 1, y - 1) == 0 && UpperInfluence(x + 1, y + 1) == 0)
                                S -= 20;
                            if (Board(x + 1, y - 1) >= 30 && Board(x - 1, y + 1) >= 30 &&
                                UpperInfluence(x + 1, y - 1) == 0 && UpperInfluence(x - 1, y + 1) == 0)
                                S -= 20;
                        }
                    }
                }
            } else if (c >= 30) {
                const int p = c;
                if (p == 950 && y == 1 && LowerInfluence(x, 2) > 0) {
                    S -= 50;
                    if (LowerInfluence(x, 2) >= UpperInfluence(x, 2)) S -= 250;
                    if (silverOrGold) S -= 700;
                }
                const int la = LowerAttacker(x, y);
                if (p == 30 && la == -900 && HandLower(1) > 0 && li >= ui && y < 27 && UpperInfluence(x, y + 1) == 1)
                    S -= 5;
                if (li > 0) {
                    const int guard = UpperGuard(x, y);
                    if (guard == 950 && (li > 1 || p > value(la))) S -= 100;
                    const bool free = LowerPinned(LowerAttackerX(x, y), LowerAttackerY(x, y)) == 0;
                    if (free && p > value(la)) S = S - p + value(la);
                    if (ui == 0) {
                        S -= p;
                        if (y <= 3) S -= 1;
                        if (BoardBefore(x, y) <= -30) S += value(BoardBefore(x, y));
                        if (y < 4 && (la == -30 || la == -40)) S -= 20;
                    } else if (free) {
                        if (li > ui && guard >= value(la)) S -= p;
                        if (y <= 3 && ui == li && Board(x, y + 1) != EMPTY && 調査_自守駒MAN_直進駒(x, y + 1) == YES)
                            S = S - p - value(LowerAttacker(x, y + 1));
                    }
                }
            } else if (c <= -30) {
                const int q = c;
                if (ui > 0 && UpperInfluenceBefore(x, y) == 0) {
                    if (y > 2 && q == -50 && LowerInfluence(x, y - 1) == 0) {
                        const int above = Board(x, y - 1);
                        if (above == 100 || above == 801 || above == 901) S += 1;
                    }
                    if (std::abs(x - UpperKingX) < 3 && std::abs(y - UpperKingY) < 3) S += 15;
                }
                if (q == -50 && y > 4 && Board(x, y - 4) >= 100) {
                    if (x > 1 && Board(x - 1, y - 2) >= 0 && UpperInfluence(x - 1, y - 2) == 0) S -= 1;
                    if (x < 27 && Board(x + 1, y - 2) >= 0 && UpperInfluence(x + 1, y - 2) == 0) S -= 1;
                } else if ((q == -900 || q == -901 || q == -40) && x == UpperKingX) {
                    S -= 1;
                }
                // The placed piece, itself safe, could take this piece next.
                if (LowerInfluence(tx, ty) == 0 && (li == 0 || (x == LowerKingX && y == LowerKingY)) &&
                    移動チェック(tx, ty, x, y, placed) == YES) {
                    S += 0.1;
                    ++forks;
                    if (value(q) < cheapest) cheapest = value(q);
                }
            }
        }

    if (forks >= 2) S += cheapest;
    return S;
}

// placed when the placed piece stands on the diagonal a lower bishop would use against a target
// square of the upper king, else 0. The first marked square (in board order) that a lower bishop
// or horse on (tx, ty) would reach decides: can a lower bishop or horse on the board reach it, or
// can one be dropped there?
int Game::盤評価_自角注意_COM(int tx, int ty, int placed) {
    auto onBoard = [](int i, int j) { return i >= 1 && i <= 27 && j >= 1 && j <= 27; };
    int best = 1 << 30;  // scan index of the first reached target
    auto consider = [&](int a, int b) {
        if (BishopTargets(a, b) == 1 && a * 32 + b < best) best = a * 32 + b;
    };
    // Squares a lower bishop or horse on (tx, ty) may move to: along the diagonals up to the first
    // occupied square (not one of its own side), and the horse's one steps.
    static constexpr int kDiag[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    for (const auto& d : kDiag)
        for (int a = tx + d[0], b = ty + d[1]; onBoard(a, b); a += d[0], b += d[1]) {
            const int t = Board(a, b);
            if (t <= -30) break;
            consider(a, b);
            if (t != EMPTY) break;
        }
    for (int a = tx - 1; a <= tx + 1; ++a)
        for (int b = ty - 1; b <= ty + 1; ++b)
            if ((a != tx || b != ty) && onBoard(a, b) && Board(a, b) > -30) consider(a, b);
    if (best == 1 << 30) return 0;

    const int a = best / 32, b = best % 32;
    if (Board(a, b) > -30) {
        // A lower bishop or horse that reaches (a, b): the first piece on each diagonal, or a horse
        // one step away.
        for (const auto& d : kDiag)
            for (int i = a + d[0], j = b + d[1]; onBoard(i, j); i += d[0], j += d[1]) {
                const int t = Board(i, j);
                if (t == EMPTY) continue;
                if (t == -800 || t == -801) return placed;
                break;
            }
        for (int i = a - 1; i <= a + 1; ++i)
            for (int j = b - 1; j <= b + 1; ++j)
                if (onBoard(i, j) && Board(i, j) == -801) return placed;
    }
    if (HandLower(6) > 0 && Board(a, b) == EMPTY) return placed;
    return 0;
}

}  // namespace orizen
