// The help page and the version dialog.
#include "game/game.h"

namespace orizen {

void Game::KAISETU_Click() {}
void Game::VER_Click() {}

}  // namespace orizen
