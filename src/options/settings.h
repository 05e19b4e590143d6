// The settings file's bytes, apart from the file itself: applying what a file holds and making
// what the menu marks say. The reader and the writer of "Orizen.ini" go through these.
#pragma once

#include <string>

#include "game/game.h"

namespace orizen {

// Where "Orizen.ini" is read and written.
std::string settingsPath(const Game& game);

// Applies the lines of a settings file (Shift_JIS bytes) in order, as start-up does.
void applySettings(Game& game, const std::string& bytes);

// The file's bytes for the current menu marks: background, move guidance, music.
std::string settingsBytes(const Game& game);

}  // namespace orizen
