// Straight rays of lances, rooks and dragons.
#include "game/game.h"

namespace orizen {

void Game::勢力確定上直進(int, int, int) {}
void Game::勢力確定下直進(int, int, int) {}
void Game::勢力確定右直進(int, int, int) {}
void Game::勢力確定左直進(int, int, int) {}

}  // namespace orizen
