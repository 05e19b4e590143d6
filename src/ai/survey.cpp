// The influence survey.
#include "game/game.h"

namespace orizen {

void Game::勢力調査() {}

}  // namespace orizen
