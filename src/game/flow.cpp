// Game flow: starting games, mouse input, committing the person's move.
#include "game.h"

namespace orizen {

void Game::Form_MouseDown(int, int, double, double) {}
void Game::TAIKYOKU_Click() {}
void Game::STOP_Click() {}
void Game::START_Click() {}
void Game::SENTE_Click() {}
void Game::GOTE_Click() {}
void Game::SIDOU_Click() {}
void Game::再開() {}

}  // namespace orizen
