// Moves as text, for what talks to the engine from outside (the command-line tool, matches between
// builds): "FX,FY-TX,TY" with "+" when it promotes, "D<kind>-TX,TY" for a drop.
#pragma once

#include <string>

#include "engine/position.h"

namespace orizen::engine {

std::string moveText(Move m);
// The move of p's side to move that `text` names among every move the rules allow it; kNoMove when
// none does.
Move parseMove(const Position& p, const std::string& text);

}  // namespace orizen::engine
