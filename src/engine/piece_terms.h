// The evaluation's per-piece terms folded into tables by type: the pull towards the enemy king by
// distance, the guard of its own king by distance, the pawn's rank and the enemy camp by rank. The
// position keeps their sum for each side as pieces move (recounted when a king moves).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "rules/grid.h"
#include "engine/weights.h"

namespace orizen::engine {

// Closeness to the enemy king by distance: steep near it, a gentle slope from afar.
inline constexpr int kClose[28] = {0, 40, 30, 18, 11, 7, 5, 4, 3, 3, 2, 2, 2, 1,
                                   1, 1,  1,  1,  1,  0, 0, 0, 0, 0, 0, 0, 0, 0};

struct PieceTerms {
    int pull[weight::kTypes][28] = {};
    int guard[weight::kTypes][28] = {};
    int rank[weight::kTypes][29] = {};
    int8_t x[kSquares] = {}, y[kSquares] = {};

    constexpr PieceTerms() {
        auto w = [](int i) { return kWeights[std::size_t(i)]; };
        for (int t = 0; t < weight::kTypes; ++t) {
            for (int d = 0; d < 28; ++d)
                pull[t][d] = w(weight::PullFar + t) * (27 - d) + w(weight::PullNear + t) * kClose[d];
            guard[t][1] = w(weight::Guard1 + t);
            guard[t][2] = w(weight::Guard2 + t);
            for (int r = 0; r < 29; ++r)
                rank[t][r] = (t == pieces::FU ? w(weight::PawnRank) * r : 0) + (r >= 18 ? w(weight::Camp + t) : 0);
        }
        for (int s = 0; s < kSquares; ++s) x[s] = int8_t(sqX(s)), y[s] = int8_t(sqY(s));
    }

    int dist(int a, int b) const { return std::max(std::abs(x[a] - x[b]), std::abs(y[a] - y[b])); }
    // A piece of `type` of `side` (0 the upper, 1 the lower) on s, its own king on `own` and the
    // enemy's on `enemy`.
    int of(int type, int side, int s, int own, int enemy) const {
        return pull[type][dist(s, enemy)] + guard[type][dist(s, own)] + rank[type][side == 0 ? y[s] : 28 - y[s]];
    }
};
inline constexpr PieceTerms kPieceTerms;

}  // namespace orizen::engine
