// Random games for the sweep: the opening array (or a scrambled one) played on by moves drawn at
// random with a style of play of the game's own, so that every stage comes up.
#pragma once

#include <random>

#include "game/game.h"

namespace orizen::sweep {

struct Style {
    double drop;      // chance a move is a drop, when one is possible
    double capture;   // chance a move is a capture, when one is possible
    double promote;   // chance an optional promotion is taken
    double careless;  // chance a move may leave the mover's king attacked
    double computer;  // chance the upper side plays the computer's own choice
    int plies;        // length of the game
    bool scrambled;   // start from the opening array with pieces moved, taken and added anywhere
};

struct Mover {
    int fx, fy, tx, ty, piece;  // a drop comes from -1 (upper, fy = hand index) or 29 (lower, 20 + index)
};

Style drawStyle(std::mt19937_64& rng);

// Sets out the game's first position and surveys it.
void start(Game& g, const Style& style, std::mt19937_64& rng);

// A move of the side drawn by the style; false when the side has none.
bool randomMove(Game& g, bool lower, const Style& style, std::mt19937_64& rng, Mover& out);

}  // namespace orizen::sweep
