// Game record files: whatever the bytes, the reader keeps every move inside what the history
// holds, a move written back reads the same, and stepping through the whole record with "進" and
// back with "戻" never leaves the board, the hands or the history, and ends where it began.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzz.h"
#include "invariants.h"
#include "game/record_file.h"

using namespace orizen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > kRecordMaxBytes) return 0;
    const RecordFile record = parseRecord(std::string(reinterpret_cast<const char*>(data), size));
    fuzz::require(record.moves.size() <= static_cast<size_t>(kRecordMaxMoves), "more moves than the history holds");
    fuzz::require(record.headerLines >= 0 && record.headerLines <= 3, "header line count");
    fuzz::require(record.problem.empty() == (record.badMove == 0), "a problem without its move, or the reverse");
    fuzz::require(record.problem.empty() || record.badMove == static_cast<int>(record.moves.size()) + 1,
                  "the bad move is not the one after the last taken");
    std::string written = "\r\n\r\n\r\n";
    for (const RecordMove& m : record.moves) {
        fuzz::require(moveInRange(m), "a move out of range was taken");
        const std::string line = formatMoveLine(m);
        fuzz::require(line.size() == 20, "a move line is not 20 characters");
        written += line + "\r\n";
    }
    const RecordFile again = parseRecord(written);
    fuzz::require(again.problem.empty() && again.moves.size() == record.moves.size(), "written moves do not read back");
    for (size_t i = 0; i < again.moves.size(); ++i) {
        const RecordMove &a = again.moves[i], &b = record.moves[i];
        fuzz::require(a.fromX == b.fromX && a.fromY == b.fromY && a.toX == b.toX && a.toY == b.toY &&
                          a.result == b.result && a.piece == b.piece && a.captured == b.captured,
                      "a written move reads back differently");
    }

    auto silent = std::make_unique<fuzz::Silent>();
    Game& g = silent->game;
    g.初期設定();
    g.arrangeFlow().RecordMode = YES;
    storeRecord(g.arrangeHistory(), record);
    g.arrangeFlow().MoveNumber = 0;
    fuzz::require(g.moveHistory().RecordLength == static_cast<int>(record.moves.size()), "not every move was stored");
    const Cells opening = g.position().Board;

    int steps = 0;
    while (g.moveHistory().RecordCount < g.moveHistory().RecordLength) {
        g.AFTER_Click();
        fuzz::require(test::unsound(g));
        if (g.moveHistory().RecordCount == steps) break;  // a move that does not fit the position is refused
        fuzz::require(g.moveHistory().RecordCount == steps + 1, "進 moved more than one step");
        ++steps;
    }
    for (int n = steps - 1; n >= 0; --n) {
        g.REPLAY_Click();
        fuzz::require(test::unsound(g));
        fuzz::require(g.moveHistory().RecordCount == n, "戻 refused a move that 進 made");
    }
    fuzz::require(g.position().Board == opening, "back at move 0 the board is not the opening array");
    fuzz::require(g.position().LowerHandCount == 0 && g.position().UpperHandCount == 0,
                  "back at move 0 a hand is not empty");
    return 0;
}
