// Check and mate, escape squares, the end of a game.
#include "game.h"

namespace orizen {

int Game::詰めかMAN_COM移動() { return NO; }
int Game::詰めかMAN() { return NO; }
int Game::詰めかCOM() { return NO; }
int Game::調査_自王逃道() const { return 0; }

void Game::終了(const std::string& winner) {
    (void)winner;
}

}  // namespace orizen
