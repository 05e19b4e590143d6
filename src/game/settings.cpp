// The options the menus mark, and reading and writing them as the lines of "Orizen.ini".
#include "game/settings.h"

#include "game/files.h"

namespace orizen {

namespace {

constexpr Menu kLevels[] = {Menu::LEVEL1, Menu::LEVEL2, Menu::LEVEL3, Menu::LEVEL4};

}  // namespace

bool Settings::marked(Menu item) const {
    for (int i = 0; i < 4; ++i)
        if (item == kLevels[i]) return level == i + 1;
    for (const Background& b : kBackgrounds)
        if (item == b.item) return background == b.kind;
    if (item == Menu::SIDOU) return guidance;
    if (item == Menu::BGM) return music;
    return false;
}

void Settings::mark(Menu item, bool on) {
    for (int i = 0; i < 4; ++i)
        if (item == kLevels[i]) {
            if (on) level = i + 1;
            else if (level == i + 1) level = 0;
            return;
        }
    for (const Background& b : kBackgrounds)
        if (item == b.item) {
            if (on) background = b.kind;
            else if (background == b.kind) background = 0;
            return;
        }
    if (item == Menu::SIDOU) guidance = on;
    if (item == Menu::BGM) music = on;
}

std::vector<SettingLine> readSettings(const std::string& bytes) {
    std::vector<SettingLine> out;
    for (const std::string& line : splitLines(fromCp932(bytes))) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;  // not a setting
        out.push_back({line.substr(0, eq), line.substr(eq + 1)});
    }
    return out;
}

std::string settingsBytes(const Settings& s) {
    std::string text;
    for (const Background& b : kBackgrounds)
        if (s.background == b.kind) {
            text += std::string("背景画=") + b.value + "\r\n";
            break;
        }
    text += s.guidance ? "移動指導=ON\r\n" : "移動指導=OFF\r\n";
    text += s.music ? "BGM=ON\r\n" : "BGM=OFF\r\n";
    std::string bytes;
    toCp932(text, bytes);
    return bytes;
}

}  // namespace orizen
