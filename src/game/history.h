// The moves played, with storing and the check that an entry fits a position.
#pragma once

#include "rules/analysis.h"
#include "rules/codes.h"
#include "rules/grid.h"

namespace orizen {

// The moves played: entry n is move n; RecordCount is the current one, RecordLength the last stored.
struct History {
    Row<int, HISTORY_MAX + 1> RecFromX{}, RecFromY{}, RecToX{}, RecToY{}, RecCaptured{}, RecPiece{}, RecResult{};
    int RecordCount = 0, RecordLength = 0;

    // Stores a move after the current one, what it captures read from `p`; false (and nothing
    // stored) when the history is full or the destination is off the board.
    bool store(const Position& p, int sx, int sy, int tx, int ty, int before, int after);
    // YES when entry n can be stepped into (forward) from `p`, or taken back (backward) to the
    // position before it, without reading or writing outside the board, the hands or the history.
    int fits(const Position& p, int n, bool forward) const;
};

}  // namespace orizen
