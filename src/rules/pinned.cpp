// Pinned pieces.
#include "rules/analysis.h"

namespace orizen {

namespace {

struct Squares {
    int n = 0;
    int8_t x[kScanSquares], y[kScanSquares];
};

bool isLongRange(int code) {
    switch (code) {
        case KYOU: case KAKU: case UMA: case HISYA: case RYU: return true;
        default: return false;
    }
}

}  // namespace

// A piece is pinned when taking it off lets an enemy lance, bishop or rook line reach its king.
// By removal alone: a king already on an open line makes every piece of its side pinned.
void Analysis::調査_移動不可駒() {
    maps.UpperPinFound = NO;

    // The long-range pieces do not change while a piece of the other side is lifted, so they
    // are gathered once.
    Squares upperRays, lowerRays;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int c = pos.Board(x, y);
            Squares* s = isLongRange(c) ? &upperRays : isLongRange(-c) ? &lowerRays : nullptr;
            if (s == nullptr) continue;
            s->x[s->n] = int8_t(x);
            s->y[s->n] = int8_t(y);
            ++s->n;
        }

    for (int X = 1; X <= 27; ++X)
        for (int Y = 1; Y <= 27; ++Y) {
            maps.LowerPinned(X, Y) = 0;
            const int p = pos.Board(X, Y);
            if (p == EMPTY) continue;
            pos.Board(X, Y) = EMPTY;
            if (p <= -30) {
                for (int i = 0; i < upperRays.n; ++i) {
                    const int a = upperRays.x[i], b = upperRays.y[i];
                    if (移動チェック(a, b, pos.LowerKingX, pos.LowerKingY, pos.Board(a, b)) == YES) {
                        maps.LowerPinned(X, Y) = 1;
                        break;
                    }
                }
            } else if (p >= 30 && maps.UpperPinFound == NO) {
                for (int i = 0; i < lowerRays.n; ++i) {
                    const int a = lowerRays.x[i], b = lowerRays.y[i];
                    if (移動チェック(a, b, pos.UpperKingX, pos.UpperKingY, pos.Board(a, b)) == YES) {
                        maps.UpperPinFound = YES;
                        break;
                    }
                }
            }
            pos.Board(X, Y) = int16_t(p);
        }
}

}  // namespace orizen
