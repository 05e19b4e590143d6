// The game record file: three header lines and one fixed-width line of seven fields per move.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orizen {

struct History;

struct RecordMove {
    int fromX = 0, fromY = 0, toX = 0, toY = 0, result = 0, piece = 0, captured = 0;
};

struct RecordFile {
    std::string lines[3];  // game name, upper player, lower player (UTF-8); absent lines stay empty
    int headerLines = 0;   // how many of the three were present
    std::vector<RecordMove> moves;
    // Why reading stopped early, empty when every line was taken; badLine is the 1-based move
    // number of the first move line that was not taken.
    std::string problem;
    int badMove = 0;
};

inline constexpr std::size_t kRecordMaxBytes = 1 << 20;
inline constexpr int kRecordMaxMoves = 500;

// The number in a field, read leniently: blanks are ignored, an optional minus sign, then digits
// up to the first other character; 0 when there are no digits.
int lenientNumber(std::string_view field);

// The 20-character line of a move: widths 2, 2, 2, 2, 4, 4, 4, each value left-aligned.
std::string formatMoveLine(const RecordMove& m);

// True when a move keeps every coordinate and code inside what the history and board can hold:
// a board move or a drop from either hand, onto the board, with piece codes of one side.
bool moveInRange(const RecordMove& m);

// Parses the bytes of a record file (Shift_JIS, CR LF or LF). Moves are taken up to the first
// line that is not a well-formed move in range, or up to 500 moves.
RecordFile parseRecord(const std::string& bytes);

// Puts the moves of a record into the game's history, to be stepped into from the position on the
// board: nothing made yet, every move ahead.
void storeRecord(History& history, const RecordFile& record);

// The file's bytes: Shift_JIS, CR LF line ends. False when a header text has no Shift_JIS form
// or holds a line break.
bool formatRecord(const std::string& name, const std::string& upper, const std::string& lower,
                  const std::vector<RecordMove>& moves, std::string& bytes);

}  // namespace orizen
