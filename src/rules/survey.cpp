// The influence survey: from Board alone, how many pieces of each side reach every square, the
// cheapest or dearest guard and attacker, the check lines and the kings' squares.
#include <bit>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "rules/reach.h"

namespace orizen {

namespace {

using namespace reach;

// A map holding `value` on the board's squares and 0 beyond them, copied whole by the clear pass.
constexpr Map filled(int16_t value) {
    Map m{};
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) m(x, y) = value;
    return m;
}

constexpr Map kPlus999 = filled(999), kMinus999 = filled(-999);

inline void clear(Map& m) { std::memset(m.v, 0, sizeof m.v); }
inline void copy(Map& m, const Map& from) { std::memcpy(m.v, from.v, sizeof m.v); }

// Upper recording options per kind.
constexpr unsigned kPawn = Guard | Attack | Check;
constexpr unsigned kStepper = Guard | GuardSquare | Check;  // knight and silver
constexpr unsigned kKing = Guard;

template <bool Upper, unsigned R>
inline void kingSteps(Analysis& g, Memory& memory, int e, int x, int y) {
    to<Upper, R, 0, -1>(g, memory, e, x, y);
    to<Upper, R, -1, -1>(g, memory, e, x, y);
    to<Upper, R, 1, -1>(g, memory, e, x, y);
    to<Upper, R, 0, 1>(g, memory, e, x, y);
    to<Upper, R, -1, 1>(g, memory, e, x, y);
    to<Upper, R, 1, 1>(g, memory, e, x, y);
    to<Upper, R, -1, 0>(g, memory, e, x, y);
    to<Upper, R, 1, 0>(g, memory, e, x, y);
}

template <bool Upper, unsigned R>
inline void orthogonalSteps(Analysis& g, Memory& memory, int e, int x, int y) {
    to<Upper, R, 0, -1>(g, memory, e, x, y);
    to<Upper, R, 0, 1>(g, memory, e, x, y);
    to<Upper, R, -1, 0>(g, memory, e, x, y);
    to<Upper, R, 1, 0>(g, memory, e, x, y);
}

template <bool Upper, unsigned R>
inline void diagonalSteps(Analysis& g, Memory& memory, int e, int x, int y) {
    to<Upper, R, -1, -1>(g, memory, e, x, y);
    to<Upper, R, 1, -1>(g, memory, e, x, y);
    to<Upper, R, -1, 1>(g, memory, e, x, y);
    to<Upper, R, 1, 1>(g, memory, e, x, y);
}

inline void surveyLower(Analysis& g, Memory& memory, int c, int x, int y) {
    switch (c) {
        case -FU: to<false, Check, 0, -1>(g, memory, c, x, y); break;
        case -KYOU: ray<false, 0, -1>(g, memory, c, x, y); break;
        case -KEI:
            to<false, Check | Knight, -1, -2>(g, memory, c, x, y);
            to<false, Check | Knight, 1, -2>(g, memory, c, x, y);
            break;
        case -GIN:
            to<false, Check, 0, -1>(g, memory, c, x, y);
            to<false, Check, -1, -1>(g, memory, c, x, y);
            to<false, Check, 1, -1>(g, memory, c, x, y);
            to<false, Check, -1, 1>(g, memory, c, x, y);
            to<false, Check, 1, 1>(g, memory, c, x, y);
            break;
        case -KIN: case -TO: case -NARIKYOU: case -NARIKEI: case -NARIGIN: lowerGold(g, memory, c, x, y); break;
        case -KAKU: diagonals<false>(g, memory, -KAKU, x, y); break;
        case -UMA:
            orthogonalSteps<false, Check>(g, memory, c, x, y);
            diagonals<false>(g, memory, -KAKU, x, y);
            break;
        case -HISYA: straights<false>(g, memory, c, x, y); break;
        case -RYU:
            straights<false>(g, memory, c, x, y);
            diagonalSteps<false, Check>(g, memory, c, x, y);
            break;
        case -OU:
            g.pos.LowerKingX = x;
            g.pos.LowerKingY = y;
            kingSteps<false, 0>(g, memory, c, x, y);
            break;
        default: break;
    }
}

inline void surveyUpper(Analysis& g, Memory& memory, int c, int x, int y) {
    switch (c) {
        case FU: to<true, kPawn, 0, 1>(g, memory, c, x, y); break;
        case KYOU: ray<true, 0, 1>(g, memory, c, x, y); break;
        case KEI:
            to<true, kStepper | Knight, -1, 2>(g, memory, c, x, y);
            to<true, kStepper | Knight, 1, 2>(g, memory, c, x, y);
            break;
        case GIN:
            to<true, kStepper, 0, 1>(g, memory, c, x, y);
            to<true, kStepper, -1, 1>(g, memory, c, x, y);
            to<true, kStepper, 1, 1>(g, memory, c, x, y);
            to<true, kStepper, -1, -1>(g, memory, c, x, y);
            to<true, kStepper, 1, -1>(g, memory, c, x, y);
            break;
        case KIN: case TO: case NARIKYOU: case NARIKEI: case NARIGIN: upperGold(g, memory, x, y); break;
        case KAKU: diagonals<true>(g, memory, c, x, y); break;
        case UMA:
            // The horse's orthogonal steps count and check, but guard and attack nothing.
            orthogonalSteps<true, Check>(g, memory, c, x, y);
            diagonals<true>(g, memory, c, x, y);
            break;
        case HISYA: straights<true>(g, memory, c, x, y); break;
        case RYU:
            straights<true>(g, memory, c, x, y);
            diagonalSteps<true, Full>(g, memory, c, x, y);
            break;
        case OU:
            g.pos.UpperKingX = x;
            g.pos.UpperKingY = y;
            kingSteps<true, kKing>(g, memory, c, x, y);
            break;
        default: break;
    }
}

// The squares of a row that hold a piece, as bits 1..27 by x (the border at 0 and 28 left out), so
// that the scan spends no branch on the empty ones.
inline uint32_t occupiedSquares(const int16_t* row) {
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const auto empty = [&](const __m128i a, const __m128i b) {
        return uint32_t(_mm_movemask_epi8(_mm_packs_epi16(_mm_cmpeq_epi16(a, zero), _mm_cmpeq_epi16(b, zero))));
    };
    const auto* p = reinterpret_cast<const __m128i*>(row);
    const uint32_t low = empty(_mm_loadu_si128(p), _mm_loadu_si128(p + 1));       // x 0..15
    const uint32_t high = empty(_mm_loadu_si128(p + 2), _mm_loadu_si128(p + 3));  // x 16..31
    return ~(low | high << 16) & 0x0FFFFFFEu;
#else
    uint32_t occupied = 0;
    for (int x = 1; x <= 27; ++x) occupied |= uint32_t(row[x] != 0) << x;
    return occupied;
#endif
}

}  // namespace

void Analysis::勢力調査(Memory& memory) {
    // The memory is not cleared on purpose: it keeps what earlier surveys wrote until a recording
    // kind overwrites it.
    clear(maps.LowerInfluence);
    clear(maps.UpperInfluence);
    copy(maps.LowerGuard, kPlus999);
    copy(maps.UpperGuard, kPlus999);
    copy(maps.LowerAttacker, kMinus999);
    clear(maps.LowerAttackerX);
    clear(maps.LowerAttackerY);
    copy(maps.UpperAttacker, kPlus999);
    clear(maps.CheckByLower);
    clear(maps.CheckByUpper);

    // Scan order decides ties: x outer, y inner, each piece's whole reach at its own turn.
    uint32_t column[28] = {};  // the rows of each column that hold a piece
    for (int y = 1; y <= 27; ++y)
        for (uint32_t row = occupiedSquares(&pos.Board[sq(0, y)]); row != 0; row &= row - 1)
            column[std::countr_zero(row)] |= uint32_t(1) << y;
    for (int x = 1; x <= 27; ++x) {
        for (uint32_t occupied = column[x]; occupied != 0; occupied &= occupied - 1) {
            const int y = std::countr_zero(occupied);
            const int c = pos.Board(x, y);
            if (c < 0)
                surveyLower(*this, memory, c, x, y);
            else
                surveyUpper(*this, memory, c, x, y);
        }
    }
}

}  // namespace orizen
