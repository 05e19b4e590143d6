// The computer's turn: try every move and drop, score each, play the best.
#include "game/game.h"

namespace orizen {

void Game::com_ban() {}
Game::Choice Game::探索(CandidateSink, void*) { return {}; }

}  // namespace orizen
