// Game record files and the record panel.
#include "game/game.h"

namespace orizen {

void Game::描画_可視(bool drive, bool folder, bool files) { host.showPanelLists(drive, folder, files); }

void Game::描画_棋譜_IO(int flag) { host.showPanelFields(flag == 0); }

void Game::描画_棋譜読込み部分消去() {}
void Game::KIFU_READ_Click() {}
void Game::KIFU_WRITE_Click() {}
void Game::Command1_Click() {}
void Game::File1_Click(const std::string&) {}

}  // namespace orizen
