// Static evaluation: material on the board and in hand (kept by make), the safety of each king
// (its guards, the enemy pieces close to it, the squares around it the enemy reaches) and the pull
// of the attacking pieces towards the enemy king, which is what turns a lead into a won game.
#include <cstdlib>

#include "engine/search.h"

namespace orizen::engine {

namespace {

inline int dist(int a, int b) {
    const int dx = std::abs(sqX(a) - sqX(b)), dy = std::abs(sqY(a) - sqY(b));
    return dx > dy ? dx : dy;
}

// Pieces that join an attack on the enemy king, by how much they are drawn to it.
constexpr int kPull[kTypes] = {0, 0, 3, 1, 3, 1, 3, 2, 3, 2, 2, 5, 2, 6, 0};
// Pieces that guard their own king.
constexpr int kGuard[kTypes] = {0, 4, 14, 2, 14, 2, 14, 14, 14, 18, 4, 16, 2, 12, 0};

// Terms of `side`'s pieces: guards of its own king, pressure on the other king; `near` counts
// the pieces close to the other king.
int pieces(const Position& p, int side, int& near) {
    const int own = p.king[side], enemy = p.king[other(side)];
    int s = 0;
    for (int w = 0; w < kWords; ++w)
        for (uint64_t b = p.occ[side][w]; b != 0; b &= b - 1) {
            const int at = w * 64 + __builtin_ctzll(b);
            const int t = p.cell[at] < 0 ? -p.cell[at] : p.cell[at];
            if (enemy != 0) {
                const int d = dist(at, enemy);
                s += kPull[t] * (27 - d);
                if (d <= 2 && t != OU) s += 30, ++near;
                else if (d <= 4 && t != OU) s += 10;
            }
            if (own != 0 && kGuard[t] != 0) {
                const int d = dist(at, own);
                if (d <= 1) s += kGuard[t];
                else if (d == 2) s += kGuard[t] / 2;
            }
            // Pawns pushed forward open the way.
            if (t == FU) s += 2 * (side == UPPER ? sqY(at) : 28 - sqY(at));
        }
    return s;
}

// The squares round `side`'s king that the enemy reaches, and where the king may still go.
int kingShelter(const Position& p, int side) {
    const int k = p.king[side];
    if (k == 0) return -kMateBound / 2;
    int s = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) continue;
            const int at = k + dx + dy * kW;
            if (p.cell[at] == WALL) continue;
            if (p.attacked(at, other(side))) s -= p.owns(at, side) ? 12 : 28;
        }
    return s;
}

}  // namespace

int evaluate(const Position& p) {
    int v = p.material;
    int nearLower = 0, nearUpper = 0;  // attackers close to each king
    v += pieces(p, UPPER, nearLower) - pieces(p, LOWER, nearUpper);
    // The squares round a king come under fire only with attackers close by.
    if (nearUpper > 0) v += kingShelter(p, UPPER);
    if (nearLower > 0) v -= kingShelter(p, LOWER);
    // Pieces in hand are attackers that arrive anywhere: more of them, closer to a mate.
    int hu = 0, hl = 0;
    for (int k = 1; k <= 7; ++k) hu += p.hand[UPPER][k], hl += p.hand[LOWER][k];
    v += 6 * (hu - hl);
    // The game takes the upper king for mated by any check when its hand is empty and nothing
    // simple parries it: the upper side keeps a piece in hand.
    if (hu == 0) v -= 60;
    return p.side == UPPER ? v : -v;
}

}  // namespace orizen::engine
