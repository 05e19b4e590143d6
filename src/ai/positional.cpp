// Small positional surveys asked by the evaluation.
#include "game/game.h"

namespace orizen {

int Game::調査_移動可場所数(int, int, int) const { return 0; }
int Game::調査_桂狙い(int, int) const { return 0; }
int Game::調査_香狙い(int, int) const { return 0; }
int Game::調査_自守駒MAN_直進駒(int, int) { return NO; }
void Game::調査_持角狙座標() {}
int Game::調査_周辺状況(int, int) const { return 0; }

}  // namespace orizen
