// Danger squares and bishop caution.
#include "game/game.h"

namespace orizen {

double Game::盤評価_COM危険座標(int, int, int) { return 0; }
int Game::盤評価_自角注意_COM(int, int, int) { return 0; }

}  // namespace orizen
