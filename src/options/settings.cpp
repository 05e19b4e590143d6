// The settings file and the option commands.
#include "game/game.h"

namespace orizen {

void Game::読込_環境設定ファイル() {}
void Game::書込_環境設定ファイル() {}
void Game::チェック設定(int) {}
void Game::背景_Click(Menu, int) {}
void Game::BGM_Click() {}
void Game::OPTION_Click() {}

}  // namespace orizen
