// The influence survey: from Board alone, how many pieces of each side reach every square, the
// cheapest or dearest guard and attacker, the check lines and the kings' squares.
#include <cstring>

#include "ai/reach.h"

namespace orizen {

namespace {

using namespace reach;

// A map holding `value` on 1..27 × 1..27 and 0 on the unused row and column, copied whole by the
// clear pass.
struct Filled {
    Map m{};
    explicit Filled(int16_t value) {
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y) m.v[x][y] = value;
    }
};

const Filled kPlus999(999), kMinus999(-999);

inline void clear(Map& m) { std::memset(m.v, 0, sizeof m.v); }
inline void copy(Map& m, const Filled& f) { std::memcpy(m.v, f.m.v, sizeof m.v); }

// Upper recording options per kind.
constexpr unsigned kPawn = Guard | Attack | Check;
constexpr unsigned kStepper = Guard | GuardSquare | Check;  // knight and silver
constexpr unsigned kKing = Guard;

template <bool Upper, unsigned R>
inline void kingSteps(Game& g, int e, int x, int y) {
    to<Upper, R, 0, -1>(g, e, x, y);
    to<Upper, R, -1, -1>(g, e, x, y);
    to<Upper, R, 1, -1>(g, e, x, y);
    to<Upper, R, 0, 1>(g, e, x, y);
    to<Upper, R, -1, 1>(g, e, x, y);
    to<Upper, R, 1, 1>(g, e, x, y);
    to<Upper, R, -1, 0>(g, e, x, y);
    to<Upper, R, 1, 0>(g, e, x, y);
}

template <bool Upper, unsigned R>
inline void orthogonalSteps(Game& g, int e, int x, int y) {
    to<Upper, R, 0, -1>(g, e, x, y);
    to<Upper, R, 0, 1>(g, e, x, y);
    to<Upper, R, -1, 0>(g, e, x, y);
    to<Upper, R, 1, 0>(g, e, x, y);
}

template <bool Upper, unsigned R>
inline void diagonalSteps(Game& g, int e, int x, int y) {
    to<Upper, R, -1, -1>(g, e, x, y);
    to<Upper, R, 1, -1>(g, e, x, y);
    to<Upper, R, -1, 1>(g, e, x, y);
    to<Upper, R, 1, 1>(g, e, x, y);
}

inline void surveyLower(Game& g, int c, int x, int y) {
    switch (c) {
        case -FU: to<false, Check, 0, -1>(g, c, x, y); break;
        case -KYOU: ray<false, 0, -1>(g, c, x, y); break;
        case -KEI:
            to<false, Check | Knight, -1, -2>(g, c, x, y);
            to<false, Check | Knight, 1, -2>(g, c, x, y);
            break;
        case -GIN:
            to<false, Check, 0, -1>(g, c, x, y);
            to<false, Check, -1, -1>(g, c, x, y);
            to<false, Check, 1, -1>(g, c, x, y);
            to<false, Check, -1, 1>(g, c, x, y);
            to<false, Check, 1, 1>(g, c, x, y);
            break;
        case -KIN: case -TO: case -NARIKYOU: case -NARIKEI: case -NARIGIN: lowerGold(g, c, x, y); break;
        case -KAKU: diagonals<false>(g, -KAKU, x, y); break;
        case -UMA:
            orthogonalSteps<false, Check>(g, c, x, y);
            diagonals<false>(g, -KAKU, x, y);
            break;
        case -HISYA: straights<false>(g, c, x, y); break;
        case -RYU:
            straights<false>(g, c, x, y);
            diagonalSteps<false, Check>(g, c, x, y);
            break;
        case -OU:
            g.LowerKingX = x;
            g.LowerKingY = y;
            kingSteps<false, 0>(g, c, x, y);
            break;
        default: break;
    }
}

inline void surveyUpper(Game& g, int c, int x, int y) {
    switch (c) {
        case FU: to<true, kPawn, 0, 1>(g, c, x, y); break;
        case KYOU: ray<true, 0, 1>(g, c, x, y); break;
        case KEI:
            to<true, kStepper | Knight, -1, 2>(g, c, x, y);
            to<true, kStepper | Knight, 1, 2>(g, c, x, y);
            break;
        case GIN:
            to<true, kStepper, 0, 1>(g, c, x, y);
            to<true, kStepper, -1, 1>(g, c, x, y);
            to<true, kStepper, 1, 1>(g, c, x, y);
            to<true, kStepper, -1, -1>(g, c, x, y);
            to<true, kStepper, 1, -1>(g, c, x, y);
            break;
        case KIN: case TO: case NARIKYOU: case NARIKEI: case NARIGIN: upperGold(g, x, y); break;
        case KAKU: diagonals<true>(g, c, x, y); break;
        case UMA:
            // The horse's orthogonal steps count and check, but guard and attack nothing.
            orthogonalSteps<true, Check>(g, c, x, y);
            diagonals<true>(g, c, x, y);
            break;
        case HISYA: straights<true>(g, c, x, y); break;
        case RYU:
            straights<true>(g, c, x, y);
            diagonalSteps<true, Full>(g, c, x, y);
            break;
        case OU:
            g.UpperKingX = x;
            g.UpperKingY = y;
            kingSteps<true, kKing>(g, c, x, y);
            break;
        default: break;
    }
}

}  // namespace

void Game::勢力調査() {
    // UpperGuardX/Y and UpperAttackerX/Y are left alone on purpose: they keep what earlier
    // surveys wrote until a recording kind overwrites them.
    clear(LowerInfluence);
    clear(UpperInfluence);
    copy(LowerGuard, kPlus999);
    copy(UpperGuard, kPlus999);
    copy(LowerAttacker, kMinus999);
    clear(LowerAttackerX);
    clear(LowerAttackerY);
    copy(UpperAttacker, kPlus999);
    clear(CheckByLower);
    clear(CheckByUpper);

    // Scan order decides ties: x outer, y inner, each piece's whole reach at its own turn.
    for (int x = 1; x <= 27; ++x) {
        const int16_t* column = Board.v[x];
        for (int y = 1; y <= 27; ++y) {
            const int c = column[y];
            if (c < 0)
                surveyLower(*this, c, x, y);
            else if (c > 0)
                surveyUpper(*this, c, x, y);
        }
    }
}

}  // namespace orizen
