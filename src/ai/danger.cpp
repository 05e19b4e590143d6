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
// square of the upper king, else 0.
int Game::盤評価_自角注意_COM(int tx, int ty, int placed) {
    for (int a = 1; a <= 27; ++a)
        for (int b = 1; b <= 27; ++b) {
            if (BishopTargets(a, b) != 1) continue;
            if (移動チェック(tx, ty, a, b, -800) != YES && 移動チェック(tx, ty, a, b, -801) != YES) continue;
            for (int i = 1; i <= 27; ++i)
                for (int j = 1; j <= 27; ++j) {
                    const int p = Board(i, j);
                    if ((p == -800 || p == -801) && 移動チェック(i, j, a, b, p) == YES) return placed;
                }
            if (HandLower(6) > 0 && 移動チェック(-1, 6, a, b, -800) == YES) return placed;
            return 0;
        }
    return 0;
}

}  // namespace orizen
