// Moves as text for the player's aids: the hint's move and the list of the game's moves.
#pragma once

#include <string>
#include <vector>

#include "game/game.h"

namespace orizen {

// File, rank and piece as the game writes a move beside the board ("14 17歩", "８ ５香成"); a
// promoting move names the piece it was with "成" ("歩成"), a drop (from x 29 or -1) ends in "打".
std::string moveText(int fromX, int toX, int toY, int before, int after);

struct MoveRow {
    int n;             // move number, 1..RecordLength (0: the position before the first move)
    bool first;        // made by the side that made move 1 (▲), else △
    std::string text;  // moveText of the entry
};

// The stored moves 1..RecordLength of g's history: what 戻 and 進 can step through.
std::vector<MoveRow> historyRows(const Game& g);

// "12 ▲ 14 17歩", the number right-aligned in three digits' width; row 0 is the start.
std::string rowText(const MoveRow& r);

}  // namespace orizen
