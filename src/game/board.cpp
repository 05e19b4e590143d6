// The opening array, start-up and shutdown.
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "game/game.h"
#include "game/player.h"

namespace orizen {

Game::Game(Canvas& c, Host& h, SoundLibrary& s, Players& players)
    : canvas(c), host(h), sound(s), players_(players) {}

void Game::setChecked(Menu item, bool on) {
    prefs.mark(item, on);
    host.setChecked(item, on);
}

std::string Game::作業パス(const std::string& name) const {
    if (places.WorkFolder.empty()) return name;
    return places.WorkFolder + "/" + name;
}

std::string Game::素材パス(const std::string& name) const {
    return places.AssetFolder.empty() ? 作業パス(name) : places.AssetFolder + "/" + name;
}

namespace {

struct Placement {
    int y, code;
    std::initializer_list<int> xs;
};

// The upper side's pieces; the lower side's are their mirror image across row 14.
const Placement kOpening[] = {
    {1, 40, {1, 4, 8, 10, 18, 20, 24, 27}}, {1, 110, {6, 12, 16, 22}}, {1, 950, {14}},
    {2, 800, {2, 26}}, {2, 900, {14}},
    {3, 100, {5, 9, 13, 15, 19, 23}}, {3, 110, {7, 11, 17, 21}},
    {4, 100, {3, 25}}, {4, 900, {6, 22}},
    {5, 110, {2, 13, 15, 26}}, {5, 100, {7, 21}}, {5, 800, {9, 19}},
    {6, 100, {3, 5, 9, 12, 16, 19, 23, 25}},
    {8, 110, {2, 5, 9, 13, 15, 19, 23, 26}}, {8, 50, {3, 7, 11, 17, 21, 25}},
};

}  // namespace

void Game::初期設定() {
    flow.GameMode = NO_GAME;
    flow.Winner = NO_GAME;
    flow.Turn = NO_GAME;
    history.RecordCount = 0;
    selection.SelectState = 0;
    for (int i = 1; i <= 7; ++i) {
        pos.HandLower(i) = 0;
        pos.HandUpper(i) = 0;
    }
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) pos.Board(x, y) = EMPTY;
    for (int x = 1; x <= 27; ++x) {
        pos.Board(x, 10) = 30;
        pos.Board(x, 18) = -30;
    }
    for (const Placement& p : kOpening)
        for (int x : p.xs) {
            pos.Board(x, p.y) = static_cast<int16_t>(p.code);
            pos.Board(x, 28 - p.y) = static_cast<int16_t>(-p.code);
        }
    pos.LowerHandCount = 0;
    pos.UpperHandCount = 0;
    for (int i = 1; i <= 7; ++i) {
        if (pos.HandLower(i) > 0) pos.LowerHandCount += pos.HandLower(i);
        if (pos.HandUpper(i) > 0) pos.UpperHandCount += pos.HandUpper(i);
    }
}

void Game::Form_Load() {
    // A second run (最初, reading a record) first lets go of the previous run's sounds, so that
    // the music never plays twice at once.
    if (sounds.SoundSystem != 0) {
        sound.dsStop(sounds.SoundBgm);
        終了処理();
    }
    サウンド_初期化(1);
    sounds.SoundOther = サウンド_読込("その他.wav", 3);
    sounds.SoundForbidden = サウンド_読込("禁止.wav", 3);
    sounds.SoundPiece = サウンド_読込("駒打音.wav", 3);
    sounds.SoundGameEnd = サウンド_読込("終局.wav", 3);
    sounds.SoundBgm = サウンド_読込("BGM.wav", 1);

    char cwd[PATH_MAX];
    if (!places.AssetFolder.empty())
        places.StartFolder = places.AssetFolder;
    else if (!places.WorkFolder.empty())
        places.StartFolder = places.WorkFolder;
    else if (getcwd(cwd, sizeof cwd) != nullptr)
        places.StartFolder = cwd;

    selection.SelectState = 0;
    flow.RecordMode = NO;
    flow.Reversed = NO;
    flow.MoveNumber = 0;
    history.RecordCount = 0;
    history.RecordLength = 0;

    setChecked(Menu::SIDOU, true);
    settings.GuidanceColour = COLOUR_WHITE;
    // The level starts at 3 again; the other two marks are cleared so that one stays marked.
    setChecked(Menu::LEVEL1, false);
    setChecked(Menu::LEVEL2, false);
    if (settings.ComputerLevel == Players::kSearching) setChecked(Menu::LEVEL4, false);
    setChecked(Menu::LEVEL3, true);
    settings.ComputerLevel = 3;

    settings.BackColourIndex = COLOUR_GREEN;
    settings.GuidanceOffColour = settings.BackColourIndex;
    canvas.fill(settings.BackColourIndex);

    読込_環境設定ファイル();
    初期設定();
    画面_再描画();
}

void Game::終了処理() {
    sound.dsFree(sounds.SoundOther);
    sound.dsFree(sounds.SoundForbidden);
    sound.dsFree(sounds.SoundPiece);
    sound.dsFree(sounds.SoundGameEnd);
    sound.dsFree(sounds.SoundBgm);
    sounds.SoundOther = sounds.SoundForbidden = sounds.SoundPiece = sounds.SoundGameEnd = sounds.SoundBgm = 0;
    サウンド_終了();
    sounds.SoundSystem = 0;
}

void Game::Form_Unload() {
    if (flow.Ended) return;
    終了処理();
    flow.Ended = true;
    host.quit();
}

void Game::OWARI_Click() { Form_Unload(); }

}  // namespace orizen
