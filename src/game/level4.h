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

// The engine's move m for p's side to move in the game's notation: an upper drop comes from
// (-1, kind), a lower one from (29, 20 + kind); codes are signed as on the board.
Move moveOf(const engine::Position& p, engine::Move m);

// The engine's move in the game's notation: an upper drop comes from (-1, kind), a lower one from
// (29, 20 + kind); codes are signed as on the board. found is false when there is no move.
Game::Choice toChoice(const engine::Position& p, const engine::Report& r);

// A search's progress as a player reads it.
struct Thinking {
    int depth = 0;
    int score = 0;           // centipawns from the searching side's view; beyond ±engine::kMateBound a mate
    bool lower = false;      // the lower side searched
    std::vector<Move> line;  // the moves expected, the searching side's first
};
Thinking thinkingOf(const engine::Position& root, const engine::Report& r);

}  // namespace orizen::level4
