// Small positional surveys asked by the evaluation, and the bishop targets of the turn.
#include <cstdlib>

#include "rules/moves.h"
#include "rules/analysis.h"

namespace orizen {

namespace {

inline int value(int code) { return code < 0 ? -code : code; }

}  // namespace

// Squares the piece could move to from (x, y) that no opposing piece reaches.
int Analysis::調査_移動可場所数(int x, int y, int piece) const {
    const Map& opp = piece >= 30 ? maps.LowerInfluence : maps.UpperInfluence;
    int count = 0;
    moves::each(*this, x, y, piece, [&](int i, int j) { count += opp(i, j) == 0; });
    return count;
}

// A pawn or lance the lower major piece would take, where a knight dropped behind it forks the
// major piece and the next one on the same row.
int Analysis::調査_桂狙い(int tx, int ty) const {
    int r = 0;
    const int a = maps.LowerAttacker(tx, ty);
    if (!(a >= -901 && a <= -800 && ty > 5)) return r;
    if (tx > 2 && pos.Board(tx - 1, ty - 2) == EMPTY && maps.LowerInfluence(tx - 1, ty - 2) == 0 &&
        pos.Board(tx - 2, ty) <= -800 && maps.LowerAttackerX(tx, ty) != tx - 2)
        r += value(pos.Board(tx - 2, ty));
    if (tx < 26 && pos.Board(tx + 1, ty - 2) == EMPTY && maps.LowerInfluence(tx + 1, ty - 2) == 0 &&
        pos.Board(tx + 2, ty) <= -800 && maps.LowerAttackerX(tx, ty) != tx + 2)
        r += value(pos.Board(tx + 2, ty));
    return r;
}

// A pawn the lower major piece would take, after which a lance dropped behind it hits the piece
// further down the file.
int Analysis::調査_香狙い(int tx, int ty) const {
    int r = 0;
    const int a = maps.LowerAttacker(tx, ty);
    if (!(ty > 6 && maps.UpperInfluence(tx, ty - 1) > 0 && maps.LowerInfluence(tx, ty - 1) == 0 && a >= -901 &&
          a <= -800))
        return r;
    for (int y = ty + 1; y <= 9; ++y) {
        if (pos.Board(tx, y) == EMPTY) continue;
        if (移動チェック(tx, ty, tx, y, 40) == YES) r += value(pos.Board(tx, y));
        break;
    }
    return r;
}

// Does a lower lance, rook or dragon further down the file (rows up to 9) reach (x, y) once the
// piece there is gone?
int Analysis::調査_自守駒MAN_直進駒(int x, int y) {
    int answer = NO;
    const int16_t lifted = pos.Board(x, y);
    pos.Board(x, y) = EMPTY;
    for (int r = y + 1; r <= 9; ++r) {
        const int p = pos.Board(x, r);
        if (p >= 30) break;
        if (p == -40 || p == -900 || p == -901) {
            if (移動チェック(x, r, x, y, p) == YES) answer = YES;
            break;
        }
    }
    pos.Board(x, y) = lifted;
    return answer;
}

// Empty squares from which a lower bishop would attack the upper king and that the upper side
// does not hold well enough.
void Analysis::調査_持角狙座標() {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            work.BishopTargets(x, y) = 0;
            if (pos.Board(x, y) != EMPTY) continue;
            const int ui = maps.UpperInfluence(x, y);
            const bool weak =
                ui == 0 || (ui == 1 && std::abs(x - pos.UpperKingX) < 2 && std::abs(y - pos.UpperKingY) < 2);
            if (weak && 移動チェック(x, y, pos.UpperKingX, pos.UpperKingY, -800) == YES) work.BishopTargets(x, y) = 1;
        }
}

// Minus the number of upper bishops, horses, rooks, dragons and kings around (x, y).
int Analysis::調査_周辺状況(int x, int y) const {
    int r = 0;
    for (int i = x - 1; i <= x + 1; ++i)
        for (int j = y - 1; j <= y + 1; ++j) {
            if (i == x && j == y) continue;
            if (i < 1 || i > 27 || j < 1 || j > 27) continue;
            if (pos.Board(i, j) >= 800) --r;
        }
    return r;
}

}  // namespace orizen
