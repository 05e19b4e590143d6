// The option commands and "Orizen.ini" read at start-up and written on every change: background,
// move guidance, music.
#include "game/files.h"
#include "game/game.h"
#include "game/settings.h"

namespace orizen {

namespace {

constexpr std::size_t kSettingsMaxBytes = 64 * 1024;

// What start-up writes when there is no file (music off), and what a failed write falls back to
// (music on): the green background, no move guidance.
std::string defaultBytes(bool music) {
    Settings s;
    s.background = BG_MIDORI;
    s.guidance = false;
    s.music = music;
    return settingsBytes(s);
}

}  // namespace

std::string settingsPath(const Game& g) { return g.作業パス("Orizen.ini"); }

void Game::チェック設定(int kind) {
    for (const Background& b : kBackgrounds) setChecked(b.item, false);
    for (const Background& b : kBackgrounds)
        if (b.kind == kind) setChecked(b.item, true);
}

void Game::読込_環境設定ファイル() {
    const std::string path = settingsPath(*this);
    std::string bytes, error;
    if (!readWholeFile(path, kSettingsMaxBytes, bytes, error)) {
        writeWholeFile(path, defaultBytes(false), error);
        チェック設定(BG_MIDORI);
        描画_背景(BG_MIDORI);
        settings.BackgroundKind = BG_MIDORI;
        setChecked(Menu::SIDOU, false);
        setChecked(Menu::BGM, false);
        return;
    }
    applySettings(*this, bytes);
}

void applySettings(Game& g, const std::string& bytes) {
    for (const SettingLine& line : readSettings(bytes)) g.applySetting(line);
}

void Game::applySetting(const SettingLine& line) {
    if (line.key == "背景画") {
        for (const Background& b : kBackgrounds)
            if (line.value == b.value) {
                チェック設定(b.kind);
                描画_背景(b.kind);
                settings.BackgroundKind = b.kind;
            }
    } else if (line.key == "移動指導") {
        const bool on = line.value == "ON";
        settings.GuidanceColour = on ? COLOUR_WHITE : COLOUR_GREEN;
        setChecked(Menu::SIDOU, on);
    } else if (line.key == "BGM") {
        const bool on = line.value == "ON";
        setChecked(Menu::BGM, on);
        if (on) playMusic();
    }
}

void Game::書込_環境設定ファイル() {
    const std::string bytes = settingsBytes(prefs);
    std::string error;
    const std::string path = settingsPath(*this);
    if (writeWholeFile(path, bytes, error)) return;

    // One more attempt with the fallback lines, and the menu set to match them.
    const bool retried = writeWholeFile(path, defaultBytes(true), error);
    チェック設定(BG_MIDORI);
    setChecked(Menu::SIDOU, false);
    setChecked(Menu::BGM, true);
    if (!retried)
        host.message("設定ファイル \"Orizen.ini\" を書き込めません（" + error + "）", "Orizen", Buttons::Ok,
                     Icon::Warning);
}

void Game::背景_Click(Menu item, int kind) {
    if (!isChecked(item)) {
        チェック設定(kind);
        settings.BackgroundKind = kind;
    }
    書込_環境設定ファイル();
    画面_再描画();
}

void Game::BGM_Click() {
    if (isChecked(Menu::BGM)) {
        setChecked(Menu::BGM, false);
        sound.dsStop(sounds.SoundBgm);
    } else {
        setChecked(Menu::BGM, true);
        sound.dsPlayLooping(sounds.SoundBgm);
    }
    書込_環境設定ファイル();
}

void Game::OPTION_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

}  // namespace orizen
