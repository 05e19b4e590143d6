// Static evaluation: material on the board and in hand (kept by make), the safety of each king
// (its guards, the enemy pieces close to it, the squares around it the enemy reaches, the enemy's
// hand against the empty squares next to it) and the pull of the attacking pieces towards the
// enemy king, which is what turns a lead into a won game. Every term is a weight times a count,
// so that the tuner can see the counts (Traced) while the search only adds (Summed).
#include <algorithm>
#include <cstdlib>
#include <type_traits>

#include "engine/search.h"

namespace orizen::engine {

namespace {

struct Summed {
    int v = 0;
    void add(int weight, int n) { v += kWeights[std::size_t(weight)] * n; }
    void fixed(int n) { v += n; }
};

struct Traced {
    int v = 0;
    EvalTrace trace;
    void add(int weight, int n) { v += kWeights[std::size_t(weight)] * n, trace.count[std::size_t(weight)] += n; }
    void fixed(int n) { v += n, trace.fixed += n; }
};

// Terms of `side`'s pieces, signed for the upper side's view: pressure on the other king, guards
// of its own. Returns how many of them stand within two squares of the enemy king.
template <class Sum>
int pieces(const Position& p, int side, Sum& sum) {
    const int own = p.king[side], enemy = p.king[other(side)], sg = side == UPPER ? 1 : -1;
    if constexpr (std::is_same_v<Sum, Summed>) {
        if (own != 0 && enemy != 0) {  // kept by the position
            sum.fixed(sg * p.terms[side]);
            return p.nearKing[side];
        }
    }
    int near = 0;
    for (int w = 0; w < kWords; ++w)
        for (uint64_t b = p.occ[side][w]; b != 0; b &= b - 1) {
            const int at = w * 64 + __builtin_ctzll(b);
            const int t = p.cell[at] < 0 ? -p.cell[at] : p.cell[at];
            if (t == OU) continue;
            if (enemy != 0) {
                const int d = kPieceTerms.dist(at, enemy);
                sum.add(weight::PullFar + t, sg * (27 - d));
                sum.add(weight::PullNear + t, sg * kClose[d]);
                if (d <= 2) ++near;
            }
            if (own != 0) {
                const int d = kPieceTerms.dist(at, own);
                if (d <= 1) sum.add(weight::Guard1 + t, sg);
                else if (d == 2) sum.add(weight::Guard2 + t, sg);
            }
            // Pawns pushed forward open the way; pieces inside the enemy camp press on it.
            const int rank = side == UPPER ? sqY(at) : 28 - sqY(at);
            if (t == FU) sum.add(weight::PawnRank, sg * rank);
            if (rank >= 18) sum.add(weight::Camp + t, sg);
        }
    return near;
}

// The squares round `side`'s king that the enemy reaches, and the empty ones the enemy's hand
// may drop on.
template <class Sum>
void kingShelter(const Position& p, int side, bool pressed, Sum& sum) {
    const int k = p.king[side], sg = side == UPPER ? 1 : -1;
    if (k == 0) {
        if (pressed) sum.fixed(-sg * (kMateBound / 2));
        return;
    }
    int held = 0, open = 0, empty = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) continue;
            const int at = k + dx + dy * kW;
            if (p.cell[at] == WALL) continue;
            if (p.cell[at] == 0) ++empty;
            // The squares round a king come under fire only with attackers close by.
            if (pressed && p.attacked(at, other(side))) ++(p.owns(at, side) ? held : open);
        }
    sum.add(weight::ShelterHeld, sg * held);
    sum.add(weight::ShelterOpen, sg * open);
    for (int kind = 1; kind <= 7; ++kind)
        if (const int n = std::min(p.inHand(other(side), kind), 2); n != 0) sum.add(weight::HandDanger + kind, -sg * n * empty);
}

template <class Sum>
void evaluateInto(const Position& p, int searching, Sum& sum) {
    if constexpr (std::is_same_v<Sum, Traced>) {
        for (int s = 0; s < kSquares; ++s)
            if (const int c = p.cell[s]; c != 0 && c != WALL) sum.add(weight::Value + (c < 0 ? -c : c), c > 0 ? 1 : -1);
        for (int k = 1; k <= 7; ++k) sum.add(weight::Hand + k, p.HandUpper(k) - p.HandLower(k));
    } else {
        sum.fixed(p.material);
    }
    const int upNear = pieces(p, UPPER, sum), loNear = pieces(p, LOWER, sum);
    // Ahead, trade: every exchange brings the end nearer and fills the hand with attackers.
    if (p.material > 150 || p.material < -150) {
        int onBoard = 0;
        for (int w = 0; w < kWords; ++w) onBoard += __builtin_popcountll(p.occ[UPPER][w] | p.occ[LOWER][w]);
        const int lead = p.material > 0 ? std::min(p.material, 3000) : std::max(p.material, -3000);
        sum.fixed(lead * (174 - onBoard) / 400);
    }
    kingShelter(p, UPPER, loNear > 0, sum);
    kingShelter(p, LOWER, upNear > 0, sum);
    // Pieces in hand are attackers that arrive anywhere: more of them, closer to a mate.
    int hu = 0, hl = 0;
    for (int k = 1; k <= 7; ++k) hu += p.HandUpper(k), hl += p.HandLower(k);
    sum.add(weight::HandCount, hu - hl);
    // The game takes the upper king for mated by any check when its hand is empty and nothing
    // simple parries it: the upper side keeps a piece in hand.
    if (hu == 0 && searching == UPPER) sum.fixed(-60);
    sum.add(weight::Tempo, p.side == UPPER ? 1 : -1);
}

}  // namespace

int evaluate(const Position& p, int searching) {
    Summed sum;
    evaluateInto(p, searching, sum);
    return p.side == UPPER ? sum.v : -sum.v;
}

EvalTrace traceEvaluation(const Position& p, int searching) {
    Traced sum;
    evaluateInto(p, searching, sum);
    return sum.trace;
}

}  // namespace orizen::engine
