// The kinds of piece, one table for the rules and the searching engine: each piece as it stands
// (its type), its code on the board and its kind in hand.
#pragma once

#include <cstdint>

#include "rules/codes.h"

namespace orizen {

namespace pieces {

// Piece types: +type is a piece of the upper side, -type one of the lower side.
enum Type : int8_t {
    NONE = 0, FU, TO, KY, NKY, KE, NKE, GI, NGI, KI, KA, UMA, HI, RYU, OU, kTypes
};

// The code of each type on the board, upper side (the lower side's are the negations).
inline constexpr int kCode[kTypes] = {0,       orizen::FU, orizen::TO,  KYOU,  NARIKYOU,
                                      KEI,     NARIKEI,    GIN,         NARIGIN, KIN,
                                      KAKU,    orizen::UMA, HISYA,      orizen::RYU, orizen::OU};
// The kind in hand (1..7: pawn, lance, knight, silver, gold, bishop, rook) of each type, 0 for a
// king; the unpromoted type of each kind.
inline constexpr int kKindOf[kTypes] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 6, 6, 7, 7, 0};
inline constexpr int8_t kKindType[8] = {0, FU, KY, KE, GI, KI, KA, HI};

// The type of a code of either side; NONE for an empty square and for codes that are no piece.
constexpr int typeOf(int code) {
    const int a = code < 0 ? -code : code;
    for (int t = FU; t < kTypes; ++t)
        if (kCode[t] == a) return t;
    return NONE;
}

}  // namespace pieces

// The unpromoted code of each kind in hand, upper side.
inline constexpr int kHandCode[8] = {0,
                                     pieces::kCode[pieces::kKindType[1]],
                                     pieces::kCode[pieces::kKindType[2]],
                                     pieces::kCode[pieces::kKindType[3]],
                                     pieces::kCode[pieces::kKindType[4]],
                                     pieces::kCode[pieces::kKindType[5]],
                                     pieces::kCode[pieces::kKindType[6]],
                                     pieces::kCode[pieces::kKindType[7]]};

// True when the code is one of the piece codes (±30 .. ±950; ±111, the gold that never promotes,
// is none).
constexpr bool isPieceCode(int code) { return pieces::typeOf(code) != pieces::NONE; }

// The kind in hand of a code: 0 for a king, an empty square or a code that is no piece, but ±111
// counts as a gold, as a captured one would.
constexpr int kindOf(int code) {
    return code == 111 || code == -111 ? pieces::kKindOf[pieces::KI] : pieces::kKindOf[pieces::typeOf(code)];
}

}  // namespace orizen
