// The menu bar: every item's identifier, caption, nesting and design-time check mark.
#pragma once

#include <array>
#include <string_view>

namespace orizen {

enum class Menu {
    TAIKYOKU, MATCH_MAN, START, START2, SENTE, GOTE, LEVEL, LEVEL1, LEVEL2, LEVEL3, LEVEL4, OWARI,
    STOP, CANCEL, REVERSE,
    REPLAY, AFTER,
    KIFU, KIFU_READ, KIFU_WRITE,
    OPTION, SIDOU, HAIKEI_GA, MIDORI, TATAMI, TAKE, UCHU, RENGA, BGM,
    SONOTA, KAISETU, VER,
};

struct MenuEntry {
    Menu item;
    int level;               // 1 on the bar, 2 in a menu, 3 in a submenu
    std::string_view name;   // the identifier the code uses
    std::string_view caption;
    bool checked;            // check mark in the window's design state
};

inline constexpr std::array<MenuEntry, 32> kMenuBar{{
    {Menu::TAIKYOKU, 1, "TAIKYOKU", "対局", false},
    {Menu::MATCH_MAN, 2, "MATCH_MAN", "対局(人間)", false},
    {Menu::START, 3, "START", "スタート", false},
    {Menu::START2, 2, "START2", "対局(COM)", false},
    {Menu::SENTE, 3, "SENTE", "先手", false},
    {Menu::GOTE, 3, "GOTE", "後手", false},
    {Menu::LEVEL, 2, "LEVEL", "COM対局ﾚﾍﾞﾙ", false},
    {Menu::LEVEL1, 3, "LEVEL1", "LEVEL1", false},
    {Menu::LEVEL2, 3, "LEVEL2", "LEVEL2", false},
    {Menu::LEVEL3, 3, "LEVEL3", "LEVEL3", true},
    {Menu::LEVEL4, 3, "LEVEL4", "LEVEL4", false},  // the searching level
    {Menu::OWARI, 2, "OWARI", "終わり", false},
    {Menu::STOP, 1, "STOP", "局面", false},
    {Menu::CANCEL, 2, "CANCEL", "最初", false},
    {Menu::REVERSE, 2, "REVERSE", "反転", false},
    {Menu::REPLAY, 1, "REPLAY", "戻", false},
    {Menu::AFTER, 1, "AFTER", "進", false},
    {Menu::KIFU, 1, "KIFU", "棋譜", false},
    {Menu::KIFU_READ, 2, "KIFU_READ", "読込", false},
    {Menu::KIFU_WRITE, 2, "KIFU_WRITE", "書込", false},
    {Menu::OPTION, 1, "OPTION", "ｵﾌﾟｼｮﾝ", false},
    {Menu::SIDOU, 2, "SIDOU", "移動指導", true},
    {Menu::HAIKEI_GA, 2, "HAIKEI_GA", "背景画", false},
    {Menu::MIDORI, 3, "MIDORI", "緑", false},
    {Menu::TATAMI, 3, "TATAMI", "畳", true},
    {Menu::TAKE, 3, "TAKE", "竹", false},
    {Menu::UCHU, 3, "UCHU", "宇宙", false},
    {Menu::RENGA, 3, "RENGA", "煉瓦", false},
    {Menu::BGM, 2, "BGM", "BGM", false},
    {Menu::SONOTA, 1, "SONOTA", "その他", false},
    {Menu::KAISETU, 2, "KAISETU", "解説", false},
    {Menu::VER, 2, "VER", "バージョン情報", false},
}};

inline constexpr int kMenuCount = static_cast<int>(kMenuBar.size());

}  // namespace orizen
