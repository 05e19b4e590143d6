// Moves as text for the player's aids: the hint's move and the list of the game's moves.
#pragma once

#include <string>
#include <vector>

#include "game/game.h"
#include "game/language.h"
#include "game/level4.h"

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

// What the searching level thinks, as lines beside the board: "深さ 6", then "評価 +1.25" in pawns
// from the viewer's side ("詰み 5手" when the viewer mates in 5 plies, "詰まされ 5手" when mated),
// then at most `moves` of the moves it expects, each marked ▲ when made by the side that
// moves first ("▲ 14 8金").
std::vector<std::string> thinkingLines(const level4::Thinking& t, bool viewerLower, bool lowerFirst, int moves);

// Moves of the expected line shown beside the board.
inline constexpr int kThinkingMoves = 8;

// Whether the lower side made g's first move (or makes it, when `lowerToMove` now and no move has
// been made yet): whose moves thinkingLines marks ▲.
bool lowerMovesFirst(const Game& g, bool lowerToMove);

// A line of thinkingLines as shown in `language`: a move keeps its mark.
std::string shownLine(Language language, const std::string& line);

}  // namespace orizen
