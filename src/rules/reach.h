// The reach step: what one piece entering code e from (x, y) writes into the influence maps when
// it reaches (tx, ty), and into `memory` the squares of the upper guards and attackers it records.
// Every survey walker goes through these, so the maps mean the same whoever wrote them.
// Specialised at compile time per side and recording option: this runs tens of times per piece and
// once per piece per candidate of the computer's search.
#pragma once

#include "rules/analysis.h"

namespace orizen::reach {

// Recording options. Upper kinds pick a subset; lower kinds always record guard, attack and its
// square, and pick only Check and Knight.
enum : unsigned {
    Guard = 1,         // UpperGuard
    GuardSquare = 2,   // UpperGuardX/Y along with it
    Attack = 4,        // UpperAttacker
    AttackSquare = 8,  // UpperAttackerX/Y along with it
    Check = 16,        // 9 on the reaching piece's square when the enemy king is reached
    Knight = 32,       // 9 on the king's square as well
};
inline constexpr unsigned Full = Guard | GuardSquare | Attack | AttackSquare | Check;

// The compiler would otherwise keep some reach steps out of line in the survey's big switch.
#define ORIZEN_INLINE inline __attribute__((always_inline))

// Returns the code on the reached square, which the ray walkers need next.
template <unsigned R>
ORIZEN_INLINE int upper(Analysis& g, Memory& memory, int e, int x, int y, int tx, int ty) {
    ++g.maps.UpperInfluence(tx, ty);
    const int t = g.pos.Board(tx, ty);
    if (t >= 30) {
        if constexpr ((R & Guard) != 0) {
            if (g.maps.UpperGuard(tx, ty) > e) {
                g.maps.UpperGuard(tx, ty) = int16_t(e);
                if constexpr ((R & GuardSquare) != 0) {
                    memory.UpperGuardX(tx, ty) = int16_t(x);
                    memory.UpperGuardY(tx, ty) = int16_t(y);
                }
            }
        }
    } else if (t <= -30) {
        if constexpr ((R & Attack) != 0) {
            if (g.maps.UpperAttacker(tx, ty) > e) {
                g.maps.UpperAttacker(tx, ty) = int16_t(e);
                if constexpr ((R & AttackSquare) != 0) {
                    memory.UpperAttackerX(tx, ty) = int16_t(x);
                    memory.UpperAttackerY(tx, ty) = int16_t(y);
                }
            }
        }
        if constexpr ((R & Check) != 0) {
            if (t == -OU) {
                g.maps.CheckByUpper(x, y) = 9;
                if constexpr ((R & Knight) != 0) g.maps.CheckByUpper(tx, ty) = 9;
            }
        }
    }
    return t;
}

template <unsigned R>
ORIZEN_INLINE int lower(Analysis& g, Memory&, int e, int x, int y, int tx, int ty) {
    ++g.maps.LowerInfluence(tx, ty);
    const int t = g.pos.Board(tx, ty);
    if (t < 0) {
        if (g.maps.LowerGuard(tx, ty) > e) g.maps.LowerGuard(tx, ty) = int16_t(e);
    } else if (t > 0) {
        if (g.maps.LowerAttacker(tx, ty) < e) {
            g.maps.LowerAttacker(tx, ty) = int16_t(e);
            g.maps.LowerAttackerX(tx, ty) = int16_t(x);
            g.maps.LowerAttackerY(tx, ty) = int16_t(y);
        }
        if constexpr ((R & Check) != 0) {
            if (t == OU) {
                g.maps.CheckByLower(x, y) = 9;
                if constexpr ((R & Knight) != 0) g.maps.CheckByLower(tx, ty) = 9;
            }
        }
    }
    return t;
}

template <bool Upper, unsigned R>
ORIZEN_INLINE int step(Analysis& g, Memory& memory, int e, int x, int y, int tx, int ty) {
    if constexpr (Upper)
        return upper<R>(g, memory, e, x, y, tx, ty);
    else
        return lower<R>(g, memory, e, x, y, tx, ty);
}

// One step to (x + DX, y + DY), skipped when it leaves the board.
template <bool Upper, unsigned R, int DX, int DY>
ORIZEN_INLINE void to(Analysis& g, Memory& memory, int e, int x, int y) {
    const int tx = x + DX, ty = y + DY;
    if constexpr (DX < 0) { if (tx < 1) return; }
    if constexpr (DX > 0) { if (tx > 27) return; }
    if constexpr (DY < 0) { if (ty < 1) return; }
    if constexpr (DY > 0) { if (ty > 27) return; }
    step<Upper, R>(g, memory, e, x, y, tx, ty);
}

// A ray from (x, y) in direction (DX, DY): every square up to and including the first occupied
// one, except that it passes through the enemy king, marking the check line on its way.
template <bool Upper, int DX, int DY>
ORIZEN_INLINE void ray(Analysis& g, Memory& memory, int e, int x, int y) {
    constexpr int enemyKing = Upper ? -OU : OU;
    Map& check = Upper ? g.maps.CheckByUpper : g.maps.CheckByLower;
    int tx = x + DX, ty = y + DY;
    for (;;) {
        if constexpr (DX < 0) { if (tx < 1) return; }
        if constexpr (DX > 0) { if (tx > 27) return; }
        if constexpr (DY < 0) { if (ty < 1) return; }
        if constexpr (DY > 0) { if (ty > 27) return; }
        // Check marks come from the walk itself, not from the reach step.
        const int t = step<Upper, Full & ~Check>(g, memory, e, x, y, tx, ty);
        if (t != EMPTY) {
            if (t != enemyKing) return;
            for (int sx = x + DX, sy = y + DY; sx != tx || sy != ty; sx += DX, sy += DY) check(sx, sy) = 1;
            check(x, y) = 9;
        }
        tx += DX;
        ty += DY;
    }
}

// The four diagonal rays, in the order up-left, up-right, down-left, down-right.
template <bool Upper>
inline void diagonals(Analysis& g, Memory& memory, int e, int x, int y) {
    ray<Upper, -1, -1>(g, memory, e, x, y);
    ray<Upper, 1, -1>(g, memory, e, x, y);
    ray<Upper, -1, 1>(g, memory, e, x, y);
    ray<Upper, 1, 1>(g, memory, e, x, y);
}

// The four straight rays, in the order down, up, right, left.
template <bool Upper>
inline void straights(Analysis& g, Memory& memory, int e, int x, int y) {
    ray<Upper, 0, 1>(g, memory, e, x, y);
    ray<Upper, 0, -1>(g, memory, e, x, y);
    ray<Upper, 1, 0>(g, memory, e, x, y);
    ray<Upper, -1, 0>(g, memory, e, x, y);
}

// Gold-like steps. The lower side's three forward squares are y − 1, the upper side's y + 1.
inline void lowerGold(Analysis& g, Memory& memory, int c, int x, int y) {
    to<false, Check, 0, -1>(g, memory, c, x, y);
    to<false, Check, -1, -1>(g, memory, c, x, y);
    to<false, Check, 1, -1>(g, memory, c, x, y);
    to<false, Check, 0, 1>(g, memory, c, x, y);
    to<false, Check, -1, 0>(g, memory, c, x, y);
    to<false, Check, 1, 0>(g, memory, c, x, y);
}

// Every upper gold-like enters 110 and records neither square nor attack.
inline void upperGold(Analysis& g, Memory& memory, int x, int y) {
    constexpr unsigned R = Guard | Check;
    to<true, R, 0, -1>(g, memory, KIN, x, y);
    to<true, R, 0, 1>(g, memory, KIN, x, y);
    to<true, R, -1, 1>(g, memory, KIN, x, y);
    to<true, R, 1, 1>(g, memory, KIN, x, y);
    to<true, R, -1, 0>(g, memory, KIN, x, y);
    to<true, R, 1, 0>(g, memory, KIN, x, y);
}

}  // namespace orizen::reach

#undef ORIZEN_INLINE
