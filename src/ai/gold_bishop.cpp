// Gold-like steps, bishop diagonals and pinned pieces.
#include "game/game.h"

namespace orizen {

void Game::勢力確定自金(int, int, int) {}
void Game::勢力確定敵金(int, int) {}
void Game::勢力確定自角(int, int) {}
void Game::勢力確定敵角(int, int, int) {}
void Game::調査_移動不可駒() {}

}  // namespace orizen
