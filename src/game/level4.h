// The searching level's bridge between the game and the engine: the game's position handed to the
// engine and its answer in the game's own move notation.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/search.h"
#include "game/game.h"

namespace orizen::level4 {

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

}  // namespace orizen::level4
