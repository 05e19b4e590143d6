// A game with no window, sound or dialog behind it: for the command-line tool, and for the
// player's aids, which think on a copy of the position and never touch the game on the screen.
#pragma once

#include "game/game.h"

namespace orizen {

struct Headless {
    NullCanvas canvas;
    NullHost host;
    NullSound sound;
    Game game{canvas, host, sound};
};

}  // namespace orizen
