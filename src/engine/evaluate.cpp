// Static evaluation: material on the board and in hand (kept by make), the safety of each king
// (its guards, the enemy pieces close to it, the squares around it the enemy reaches) and the pull
// of the attacking pieces towards the enemy king, which is what turns a lead into a won game.
#include <algorithm>
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
constexpr int kGuard[kTypes] = {0, 2, 7, 1, 7, 1, 7, 7, 7, 9, 2, 8, 1, 6, 0};

// Closeness to the enemy king by distance: steep near it, a gentle slope from afar.
constexpr int kClose[28] = {0, 40, 30, 18, 11, 7, 5, 4, 3, 3, 2, 2, 2, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};

struct Terms {
    int attack = 0, defence = 0, near = 0;  // near: pieces within two squares of the enemy king
};

// Terms of `side`'s pieces: pressure on the other king, guards of its own.
Terms pieces(const Position& p, int side) {
    const int own = p.king[side], enemy = p.king[other(side)];
    Terms r;
    for (int w = 0; w < kWords; ++w)
        for (uint64_t b = p.occ[side][w]; b != 0; b &= b - 1) {
            const int at = w * 64 + __builtin_ctzll(b);
            const int t = p.cell[at] < 0 ? -p.cell[at] : p.cell[at];
            if (enemy != 0 && t != OU) {
                const int d = dist(at, enemy);
                r.attack += kPull[t] * (27 - d) + (kPull[t] + 4) * kClose[d];
                if (d <= 2) ++r.near;
            }
            if (own != 0 && kGuard[t] != 0) {
                const int d = dist(at, own);
                if (d <= 1) r.defence += kGuard[t];
                else if (d == 2) r.defence += kGuard[t] / 2;
            }
            // Pawns pushed forward open the way; pieces inside the enemy camp press on it.
            const int rank = side == UPPER ? sqY(at) : 28 - sqY(at);
            if (t == FU) r.attack += 2 * rank;
            if (rank >= 18 && t != OU) r.attack += 15;
        }
    return r;
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
            if (p.attacked(at, other(side))) s -= p.owns(at, side) ? 20 : 50;
        }
    return s;
}

}  // namespace

int evaluate(const Position& p, int searching) {
    int v = p.material;
    const Terms up = pieces(p, UPPER), lo = pieces(p, LOWER);
    v += up.attack + up.defence - lo.attack - lo.defence;
    // Ahead, trade: every exchange brings the end nearer and fills the hand with attackers.
    if (p.material > 150 || p.material < -150) {
        int onBoard = 0;
        for (int w = 0; w < kWords; ++w) onBoard += __builtin_popcountll(p.occ[UPPER][w] | p.occ[LOWER][w]);
        const int lead = p.material > 0 ? std::min(p.material, 3000) : std::max(p.material, -3000);
        v += lead * (174 - onBoard) / 400;
    }
    // The squares round a king come under fire only with attackers close by.
    if (lo.near > 0) v += kingShelter(p, UPPER);
    if (up.near > 0) v -= kingShelter(p, LOWER);
    // Pieces in hand are attackers that arrive anywhere: more of them, closer to a mate.
    int hu = 0, hl = 0;
    for (int k = 1; k <= 7; ++k) hu += p.HandUpper(k), hl += p.HandLower(k);
    v += 6 * (hu - hl);
    // The game takes the upper king for mated by any check when its hand is empty and nothing
    // simple parries it: the upper side keeps a piece in hand.
    if (hu == 0 && searching == UPPER) v -= 60;
    return p.side == UPPER ? v : -v;
}

}  // namespace orizen::engine
