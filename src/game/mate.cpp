// Check and mate, and the lower king's escape squares.
#include "game.h"

namespace orizen {

int Game::詰めかMAN_COM移動() { return NO; }
int Game::詰めかMAN() { return NO; }
int Game::詰めかCOM() { return NO; }
int Game::調査_自王逃道() const { return 0; }

}  // namespace orizen
