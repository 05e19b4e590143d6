// Position files of orizen-cli: whatever the text, a position is taken only when every code is a
// code the board may hold and every count is in range; a refusal names a line. A position taken
// is placed as the tool places it and surveyed, both kings are tested for mate and the computer
// chooses its move, as the tool's subcommands do: nothing may read or write outside the board on
// any such position, and the move chosen is one of the upper side's onto the board.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "cli/position.h"
#include "fuzz.h"

using namespace orizen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cli::Position pos;
    pos.board(1, 1) = 7;  // no code: a refused file must leave it
    std::string error;
    if (!cli::parsePosition(std::string(reinterpret_cast<const char*>(data), size), pos, error)) {
        fuzz::require(error.rfind("line ", 0) == 0, "a refusal that names no line");
        fuzz::require(pos.board(1, 1) == 7, "a refused file changed the position");
        return 0;
    }
    fuzz::require(error.empty(), "an error for a position taken");
    for (int x = 0; x < kGrid; ++x)
        for (int y = 0; y < kGrid; ++y) {
            const int c = pos.board(x, y);
            if (x == 0 || y == 0) {
                fuzz::require(c == EMPTY, "something outside the board");
                continue;
            }
            fuzz::require(c == EMPTY || isPieceCode(c) || c == 111 || c == -111, "a code that is no piece");
        }
    for (int i = 0; i < 8; ++i) {
        const int u = pos.handUpper(i), l = pos.handLower(i);
        fuzz::require(u >= 0 && l >= 0 && u <= cli::kMaxHandCount && l <= cli::kMaxHandCount,
                      "a hand count out of range");
        fuzz::require(i != 0 || (u == 0 && l == 0), "a count for hand index 0");
    }
    fuzz::require(pos.level >= 1 && pos.level <= Players::kSearching, "a level out of range");

    auto silent = std::make_unique<fuzz::Silent>();
    Game& g = silent->game;
    cli::place(g, pos);
    fuzz::require(g.position().Board == pos.board, "placing changed the board");
    g.調査_移動不可駒();
    g.調査_自王逃道();
    g.詰めかMAN();
    g.詰めかCOM();

    fuzz::Silent::players().searching().moveTimeMs = 5;  // a short search per input
    auto fresh = std::make_unique<fuzz::Silent>();
    cli::place(fresh->game, pos);
    struct Counter final : Listener {
        long scored = 0;
        void candidate(const ScoredMove&) override { ++scored; }
    } counter;
    const Game::Choice c = fresh->game.players().computer(pos.level).turn(fresh->game, &counter)();
    const long scored = counter.scored;
    if (c.found) {
        const Move& m = c.move;
        const bool drop = m.fx == -1;
        fuzz::require(drop ? m.fy >= 1 && m.fy <= 7 && m.before == kHandCode[m.fy] && pos.handUpper(m.fy) > 0
                           : m.fx >= 1 && m.fx <= 27 && m.fy >= 1 && m.fy <= 27 && pos.board(m.fx, m.fy) == m.before,
                      "the computer moves a piece it does not have");
        fuzz::require(m.tx >= 1 && m.tx <= 27 && m.ty >= 1 && m.ty <= 27, "the computer moves off the board");
        fuzz::require(m.before >= 30 && isPieceCode(m.before) && m.after >= 30 && isPieceCode(m.after),
                      "the computer moves a piece that is not its own");
        // The searching level reports no candidates; the others score each one.
        fuzz::require(scored > 0 || pos.level == Players::kSearching, "a move chosen without a candidate scored");
    }
    return 0;
}
