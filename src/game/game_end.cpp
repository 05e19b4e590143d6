// The end of a game: who won, and whether to play again.
#include "game.h"

namespace orizen {

void Game::終了(const std::string& winner) { (void)winner; }

}  // namespace orizen
