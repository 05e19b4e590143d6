// The game's position, plain and trivially copyable: the rules play on it, and the searching
// engine's position is this one with the search's indexes beside it.
#pragma once

#include <cstdint>
#include <type_traits>

#include "rules/grid.h"

namespace orizen {

// The board, both hands with their totals, the kings' squares and which files hold a pawn.
struct Position {
    Cells Board;
    Row<int, 8> HandLower{}, HandUpper{};
    int LowerHandCount = 0, UpperHandCount = 0;
    int LowerKingX = 0, LowerKingY = 0, UpperKingX = 0, UpperKingY = 0;
    Row<int8_t, 28> PawnOnFileLower{}, PawnOnFileUpper{};

    // Plays `piece` onto (tx, ty) from (sx, sy), from the upper hand (sx -1, sy the kind) or from
    // the lower hand (sx 29, sy 20 + the kind): what stood there goes to the mover's hand (a king
    // counts in the total only), and the lower king's square follows it. Returns what stood there.
    int play(int sx, int sy, int tx, int ty, int piece);
};
static_assert(std::is_trivially_copyable_v<Position>);

}  // namespace orizen
