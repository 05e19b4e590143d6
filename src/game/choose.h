// Choosing for either side of a game: the position turned round for the lower side, whose moves
// levels 1 to 3 only know how to choose as the upper side, and the side a hint is for.
#pragma once

#include "game/game.h"

namespace orizen {

// Puts g's position into t turned round as "反転" turns it: t.Board(28 - x, 28 - y) = -Board(x, y),
// the hands and their totals exchanged.
void turnRound(const Game& g, Game& t);

// A choice made on the turned-round position, mapped back onto the original board.
ScoredMove turnBack(const Game::Choice& c);

// The side a hint can be given for: -1 the lower side, 1 the upper side, 0 none (no game running,
// the game over, or the computer's side to move).
int hintSide(const Game& g);

}  // namespace orizen
