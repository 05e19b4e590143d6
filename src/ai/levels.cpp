// Strength levels: the menu's radio group and the level caption.
#include "game/game.h"

namespace orizen {

void Game::LEVEL1_Click() {
    for (int x = -2; x <= 0; ++x) 描画_絵(BackgroundKind, x, 0);
    レベル_設定(1);
}

void Game::LEVEL2_Click() {
    for (int x = -2; x <= 0; ++x) 描画_絵(BackgroundKind, x, 0);
    レベル_設定(2);
}

void Game::LEVEL3_Click() {
    for (int x = -2; x <= 0; ++x) 描画_絵(BackgroundKind, x, 0);
    レベル_設定(3);
}

void Game::レベル_設定(int level) {
    setChecked(Menu::LEVEL1, false);
    setChecked(Menu::LEVEL2, false);
    setChecked(Menu::LEVEL3, false);
    if (level >= 1 && level <= 3) {
        setChecked(level == 1 ? Menu::LEVEL1 : level == 2 ? Menu::LEVEL2 : Menu::LEVEL3, true);
        ComputerLevel = level;
    }
    if (GameMode == MODE_COMPUTER) 描画_レベル(ComputerLevel);
}

}  // namespace orizen
