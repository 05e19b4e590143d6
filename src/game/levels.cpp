// Strength levels: the menu's radio group and the level caption.
#include "game/game.h"
#include "game/player.h"

namespace orizen {

void Game::LEVEL_Click(int level) {
    for (int x = -2; x <= 0; ++x) 描画_絵(settings.BackgroundKind, x, 0);
    レベル_設定(level);
}

void Game::レベル_設定(int level) {
    static constexpr Menu kItems[] = {Menu::LEVEL1, Menu::LEVEL2, Menu::LEVEL3, Menu::LEVEL4};
    for (int i = 0; i < 3; ++i) setChecked(kItems[i], false);
    // The searching level's item is ours: its mark is touched only when it is involved.
    if (settings.ComputerLevel == Players::kSearching || level == Players::kSearching) setChecked(Menu::LEVEL4, false);
    if (level >= 1 && level <= 4) {
        setChecked(kItems[level - 1], true);
        settings.ComputerLevel = level;
    }
    if (flow.GameMode == MODE_COMPUTER) 描画_レベル(settings.ComputerLevel);
}

}  // namespace orizen
