// Move history: storing moves, stepping back and forward, starting afresh, reversing the board.
#include "game.h"

namespace orizen {

bool Game::手順保存(int, int, int, int, int, int) { return false; }
void Game::REPLAY_Click() {}
void Game::AFTER_Click() {}
void Game::CANCEL_Click() {}
void Game::REVERSE_Click() {}

}  // namespace orizen
