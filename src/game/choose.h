// The computer's choice for either side of a game, made on a separate copy of the position: the
// game itself is only read, so nothing its own turns keep from one move to the next is touched.
#pragma once

#include "game/game.h"

namespace orizen {

// A move in the game's own orientation, its source as the history stores it: a lower drop comes
// from (29, slot row 21..27), an upper drop from (-1, hand index 1..7).
struct PlannedMove {
    Move move;
    double score = 0;
};

// Puts g's position into t turned round as "反転" turns it: t.Board(28 - x, 28 - y) = -Board(x, y),
// the hands and their totals exchanged.
void turnRound(const Game& g, Game& t);

// A choice made on the turned-round position, mapped back onto the original board.
PlannedMove turnBack(const Game::Choice& c);

// What the computer's turn would play at `level` for the lower side of g (lower = true) or for its
// upper side: a game fresh from construction holds the position (turned round for the lower side,
// whose moves the computer only knows how to choose as the upper side), one survey, then the
// search. False when that side has no move or drop.
bool chooseMove(const Game& g, bool lower, int level, PlannedMove& out);

// The side a hint can be given for: -1 the lower side, 1 the upper side, 0 none (no game running,
// the game over, or the computer's side to move).
int hintSide(const Game& g);

// The level hints come from (the strongest there is) and the time it is given for one; the window
// waits for it.
inline constexpr int kHintLevel = 4;
inline constexpr int kHintTimeMs = 500;

// The hint: the move `level` would choose for the given side of g.
bool hintMove(const Game& g, bool lower, PlannedMove& out, int level = kHintLevel);

}  // namespace orizen
