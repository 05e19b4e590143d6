// The options the menus mark and the settings file "Orizen.ini" keeps, and the file's bytes.
#pragma once

#include <string>
#include <vector>

#include "rules/codes.h"
#include "game/menu.h"

namespace orizen {

class Game;

// A background: its menu item, the kind drawn and its value in the file. In the order the file is
// written: the first marked item wins.
struct Background {
    Menu item;
    int kind;
    const char* value;
};
inline constexpr Background kBackgrounds[] = {
    {Menu::MIDORI, BG_MIDORI, "緑"}, {Menu::TAKE, BG_TAKE, "竹"}, {Menu::TATAMI, BG_TATAMI, "畳"},
    {Menu::UCHU, BG_UCHU, "宇宙"},   {Menu::RENGA, BG_RENGA, "煉瓦"},
};

// What the menus mark. The levels and the backgrounds are radio groups: marking one clears the
// others, clearing the marked one leaves none. The menu's design state is the default.
struct Settings {
    int level = 3;               // 1..4, 0 when none is marked
    int background = BG_TATAMI;  // a BG_ kind, 0 when none is marked
    bool guidance = true;        // 移動指導
    bool music = false;          // BGM

    bool marked(Menu item) const;
    void mark(Menu item, bool on);  // items that stand for no option are ignored
};

// One "key=value" line of a settings file.
struct SettingLine {
    std::string key, value;
};

// The lines of a settings file (Shift_JIS bytes) that hold a setting, in the file's order.
std::vector<SettingLine> readSettings(const std::string& bytes);

// The file's bytes for `s`: the background when one is marked, move guidance, music.
std::string settingsBytes(const Settings& s);

// Where "Orizen.ini" is read and written.
std::string settingsPath(const Game& game);

// Applies the lines of a settings file in order, as start-up does.
void applySettings(Game& game, const std::string& bytes);

}  // namespace orizen
