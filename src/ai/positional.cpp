// Small positional surveys asked by the evaluation, and the bishop targets of the turn.
#include <cstdlib>

#include "game/game.h"

namespace orizen {

namespace {

inline int value(int code) { return code < 0 ? -code : code; }

}  // namespace

// Squares the piece could move to from (x, y) that no opposing piece reaches: the squares of its
// pattern that 移動チェック allows, walked directly (each square at most once).
int Game::調査_移動可場所数(int x, int y, int piece) const {
    const bool upper = piece >= 30;
    if (!upper && piece > -30) return 0;
    const Map& opp = upper ? LowerInfluence : UpperInfluence;
    const int f = upper ? 1 : -1;  // forward
    int count = 0;
    // A step onto (i, j): on the board and not onto a piece of the mover's side.
    auto step = [&](int i, int j) {
        if (i < 1 || i > 27 || j < 1 || j > 27) return;
        const int t = Board(i, j);
        if (upper ? t >= 30 : t <= -30) return;
        if (opp(i, j) == 0) ++count;
    };
    // A ray: every square up to the first occupied one, which counts unless it is the mover's own.
    auto ray = [&](int dx, int dy) {
        for (int i = x + dx, j = y + dy; i >= 1 && i <= 27 && j >= 1 && j <= 27; i += dx, j += dy) {
            const int t = Board(i, j);
            if (upper ? t >= 30 : t <= -30) return;
            if (opp(i, j) == 0) ++count;
            if (t != EMPTY) return;
        }
    };
    auto gold = [&] {
        step(x - 1, y + f), step(x, y + f), step(x + 1, y + f);
        step(x - 1, y), step(x + 1, y), step(x, y - f);
    };
    switch (upper ? piece : -piece) {
        case 30: step(x, y + f); break;
        case 40: ray(0, f); break;
        case 50: step(x - 1, y + 2 * f), step(x + 1, y + 2 * f); break;
        case 100:
            step(x - 1, y + f), step(x, y + f), step(x + 1, y + f);
            step(x - 1, y - f), step(x + 1, y - f);
            break;
        case 31: case 41: case 51: case 101: case 110: gold(); break;
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
    return count;
}

// A pawn or lance the lower major piece would take, where a knight dropped behind it forks the
// major piece and the next one on the same row.
int Game::調査_桂狙い(int tx, int ty) const {
    int r = 0;
    const int a = LowerAttacker(tx, ty);
    if (!(a >= -901 && a <= -800 && ty > 5)) return r;
    if (tx > 2 && Board(tx - 1, ty - 2) == EMPTY && LowerInfluence(tx - 1, ty - 2) == 0 &&
        Board(tx - 2, ty) <= -800 && LowerAttackerX(tx, ty) != tx - 2)
        r += value(Board(tx - 2, ty));
    if (tx < 26 && Board(tx + 1, ty - 2) == EMPTY && LowerInfluence(tx + 1, ty - 2) == 0 &&
        Board(tx + 2, ty) <= -800 && LowerAttackerX(tx, ty) != tx + 2)
        r += value(Board(tx + 2, ty));
    return r;
}

// A pawn the lower major piece would take, after which a lance dropped behind it hits the piece
// further down the file.
int Game::調査_香狙い(int tx, int ty) const {
    int r = 0;
    const int a = LowerAttacker(tx, ty);
    if (!(ty > 6 && UpperInfluence(tx, ty - 1) > 0 && LowerInfluence(tx, ty - 1) == 0 && a >= -901 &&
          a <= -800))
        return r;
    for (int y = ty + 1; y <= 9; ++y) {
        if (Board(tx, y) == EMPTY) continue;
        if (移動チェック(tx, ty, tx, y, 40) == YES) r += value(Board(tx, y));
        break;
    }
    return r;
}

// Does a lower lance, rook or dragon further down the file (rows up to 9) reach (x, y) once the
// piece there is gone?
int Game::調査_自守駒MAN_直進駒(int x, int y) {
    int answer = NO;
    const int16_t lifted = Board(x, y);
    Board(x, y) = EMPTY;
    for (int r = y + 1; r <= 9; ++r) {
        const int p = Board(x, r);
        if (p >= 30) break;
        if (p == -40 || p == -900 || p == -901) {
            if (移動チェック(x, r, x, y, p) == YES) answer = YES;
            break;
        }
    }
    Board(x, y) = lifted;
    return answer;
}

// Empty squares from which a lower bishop would attack the upper king and that the upper side
// does not hold well enough.
void Game::調査_持角狙座標() {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            BishopTargets(x, y) = 0;
            if (Board(x, y) != EMPTY) continue;
            const int ui = UpperInfluence(x, y);
            const bool weak = ui == 0 || (ui == 1 && std::abs(x - UpperKingX) < 2 && std::abs(y - UpperKingY) < 2);
            if (weak && 移動チェック(x, y, UpperKingX, UpperKingY, -800) == YES) BishopTargets(x, y) = 1;
        }
}

// Minus the number of upper bishops, horses, rooks, dragons and kings around (x, y).
int Game::調査_周辺状況(int x, int y) const {
    int r = 0;
    for (int i = x - 1; i <= x + 1; ++i)
        for (int j = y - 1; j <= y + 1; ++j) {
            if (i == x && j == y) continue;
            if (i < 1 || i > 27 || j < 1 || j > 27) continue;
            if (Board(i, j) >= 800) --r;
        }
    return r;
}

}  // namespace orizen
