// The searching level: the game's position handed to the engine and its answer in the game's own
// move notation. Also the entry point for anyone who wants the strongest move of a position.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/search.h"
#include "game/game.h"

namespace orizen::level4 {

inline constexpr int kLevel = 4;

// Time per move (milliseconds) and threads of the searching level; the window's defaults.
inline std::atomic<int> moveTimeMs{1000};
inline std::atomic<int> threads{2};
// Set to end a search at once (the window closing); a search without its own stop flag reads it.
inline std::atomic<bool> stopRequested{false};

// What one search needs, taken from the game on its own thread so the search may run on another.
struct Request {
    engine::Position position;
    std::vector<uint64_t> seen;  // keys of the game's earlier positions
};

// The position of g with `side` (engine::UPPER or engine::LOWER) to move; hand counts beyond what
// the engine holds are cut to 200.
engine::Position positionOf(const Game& g, int side);
// The request for `side` to move in g, with the positions of g's history before the current one.
Request requestOf(const Game& g, int side);

// The engine's move in the game's notation: an upper drop comes from (-1, kind), a lower one from
// (29, 20 + kind); codes are signed as on the board. found is false when there is no move.
Game::Choice toChoice(const engine::Position& p, const engine::Report& r);

// Searches for the side to move of the request, for at most moveTimeMs.
Game::Choice choose(const Request& request, const std::atomic<bool>* stop = nullptr,
                    engine::Report* report = nullptr);

// The best move for the side to move, by the strongest level: position in, move out.
engine::Report bestMove(const engine::Position& p, int timeMs, const std::vector<uint64_t>& seen = {},
                        const std::atomic<bool>* stop = nullptr);

}  // namespace orizen::level4
