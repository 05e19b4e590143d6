// Position files: a board (or the opening array), both hands and an optional level.
#pragma once

#include <cstddef>
#include <string>

#include "game/game.h"

namespace orizen::cli {

struct Position {
    Cells board;
    Row<int, 8> handUpper{}, handLower{};
    int level = 3;
};

// Largest hand count accepted; keeps the totals far from overflow.
inline constexpr int kMaxHandCount = 9999;

// Parses the text of a position file. On a fault returns false with `error` set to
// "line N: what is wrong".
bool parsePosition(const std::string& text, Position& out, std::string& error);

// Largest file read: a position file is a few kilobytes, and a device such as /dev/zero never ends.
inline constexpr std::size_t kPositionMaxBytes = 1 << 20;

// Reads and parses a file; a file that cannot be read, or is larger than kPositionMaxBytes, is
// reported like a fault.
bool readPosition(const std::string& path, Position& out, std::string& error);

// The board and both hands as a position file writes them ("board", 27 rows, "hand-upper",
// "hand-lower"), without a level line.
std::string positionText(const Grid<int16_t>& board, const Row<int, 8>& handUpper, const Row<int, 8>& handLower);

// The game as right after start-up, with the position placed and one influence survey run.
void place(Game& game, const Position& position);

}  // namespace orizen::cli
