// Strength levels: the menu's radio group and the level caption.
#include "game/game.h"

namespace orizen {

void Game::LEVEL1_Click() {
    for (int x = -2; x <= 0; ++x) 描画_絵(settings.BackgroundKind, x, 0);
    レベル_設定(1);
}

void Game::LEVEL2_Click() {
    for (int x = -2; x <= 0; ++x) 描画_絵(settings.BackgroundKind, x, 0);
    レベル_設定(2);
}

void Game::LEVEL3_Click() {
    for (int x = -2; x <= 0; ++x) 描画_絵(settings.BackgroundKind, x, 0);
    レベル_設定(3);
}

void Game::LEVEL4_Click() {
    for (int x = -2; x <= 0; ++x) 描画_絵(settings.BackgroundKind, x, 0);
    レベル_設定(4);
}

void Game::レベル_設定(int level) {
    static constexpr Menu kItems[] = {Menu::LEVEL1, Menu::LEVEL2, Menu::LEVEL3, Menu::LEVEL4};
    for (int i = 0; i < 3; ++i) setChecked(kItems[i], false);
    if (settings.ComputerLevel == 4 || level == 4) setChecked(Menu::LEVEL4, false);
    if (level >= 1 && level <= 4) {
        setChecked(kItems[level - 1], true);
        settings.ComputerLevel = level;
    }
    if (flow.GameMode == MODE_COMPUTER) 描画_レベル(settings.ComputerLevel);
}

}  // namespace orizen
