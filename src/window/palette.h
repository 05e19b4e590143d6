// The classic 16-colour palette the game names its colours by.
#pragma once

#include <QColor>

namespace orizen::window {

// Colour of palette index 0..15; any other index is black.
QColor paletteColour(int index);

}  // namespace orizen::window
