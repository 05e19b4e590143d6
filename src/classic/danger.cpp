// Danger squares of both camps after a candidate, and the caution about the lower bishops.
#include "classic/danger_cell.h"
#include "classic/search.h"
#include "rules/analysis.h"

namespace orizen {

double Analysis::盤評価_COM危険座標(int placed, int tx, int ty, const search::Quick* quick) {
    if (quick != nullptr) return search::danger(*this, *quick->base, quick->delta, placed, tx, ty);
    return danger::scan(*this, {placed, tx, ty, true});
}

// placed when the placed piece stands on the diagonal a lower bishop would use against a target
// square of the upper king, else 0. The first marked square (in board order) that a lower bishop
// or horse on (tx, ty) would reach decides: can a lower bishop or horse on the board reach it, or
// can one be dropped there?
int Analysis::盤評価_自角注意_COM(int tx, int ty, int placed) {
    int best = 1 << 30;  // scan index of the first reached target
    auto consider = [&](int a, int b) {
        if (work.BishopTargets(a, b) == 1 && a * 32 + b < best) best = a * 32 + b;
    };
    // Squares a lower bishop or horse on (tx, ty) may move to: along the diagonals up to the first
    // occupied square (not one of its own side), and the horse's one steps.
    static constexpr int kDiag[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    for (const auto& d : kDiag)
        for (int a = tx + d[0], b = ty + d[1]; onBoard(a, b); a += d[0], b += d[1]) {
            const int t = pos.Board(a, b);
            if (t <= -30) break;
            consider(a, b);
            if (t != EMPTY) break;
        }
    for (int a = tx - 1; a <= tx + 1; ++a)
        for (int b = ty - 1; b <= ty + 1; ++b)
            if ((a != tx || b != ty) && onBoard(a, b) && pos.Board(a, b) > -30) consider(a, b);
    if (best == 1 << 30) return 0;

    const int a = best / 32, b = best % 32;
    if (pos.Board(a, b) > -30) {
        // A lower bishop or horse that reaches (a, b): the first piece on each diagonal, or a horse
        // one step away.
        for (const auto& d : kDiag)
            for (int i = a + d[0], j = b + d[1]; onBoard(i, j); i += d[0], j += d[1]) {
                const int t = pos.Board(i, j);
                if (t == EMPTY) continue;
                if (t == -800 || t == -801) return placed;
                break;
            }
        for (int i = a - 1; i <= a + 1; ++i)
            for (int j = b - 1; j <= b + 1; ++j)
                if (onBoard(i, j) && pos.Board(i, j) == -801) return placed;
    }
    if (pos.HandLower(6) > 0 && pos.Board(a, b) == EMPTY) return placed;
    return 0;
}

}  // namespace orizen
