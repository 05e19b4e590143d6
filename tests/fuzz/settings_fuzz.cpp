// The settings file: whatever the bytes, at most one background is marked, the marks agree with
// what the menu was told and with the guidance colour, and writing the marks back and reading
// them again gives the same marks. The file itself is read too, through the start-up reader.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fakes.h"
#include "fuzz.h"
#include "invariants.h"
#include "game/settings.h"

using namespace orizen;

namespace {

struct Started {
    NullCanvas canvas;
    test::FakeHost host;
    test::FakeSound sound;
    Game game{canvas, host, sound, fuzz::Silent::players()};
    // The marks and colour start-up sets before it reads the file.
    explicit Started(const std::string& folder) {
        game.setFolders(folder, game.locations().AssetFolder);
        game.setChecked(Menu::SIDOU, true);
        game.arrange().settings.GuidanceColour = COLOUR_WHITE;
    }
};

const Menu kBackgroundItems[] = {Menu::MIDORI, Menu::TATAMI, Menu::TAKE, Menu::UCHU, Menu::RENGA};
const int kBackgroundKinds[] = {BG_MIDORI, BG_TATAMI, BG_TAKE, BG_UCHU, BG_RENGA};

void requireConsistent(Started& s) {
    const Game& g = s.game;
    fuzz::require(test::unsoundMarks(g));
    int marked = 0, kind = 0;
    for (int i = 0; i < 5; ++i)
        if (g.isChecked(kBackgroundItems[i])) ++marked, kind = kBackgroundKinds[i];
    fuzz::require(marked == 1, "not exactly one background marked");
    fuzz::require(g.options().BackgroundKind == 0 || g.options().BackgroundKind == kind,
                  "the background drawn is not the one marked");
    fuzz::require(g.options().GuidanceColour == (g.isChecked(Menu::SIDOU) ? COLOUR_WHITE : COLOUR_GREEN),
                  "the guidance colour does not follow its mark");
    for (const auto& [item, on] : s.host.checks)
        fuzz::require(g.isChecked(item) == on, "the menu shows another mark than the game keeps");
}

bool sameMarks(const Game& a, const Game& b) {
    for (Menu m : kBackgroundItems)
        if (a.isChecked(m) != b.isChecked(m)) return false;
    return a.isChecked(Menu::SIDOU) == b.isChecked(Menu::SIDOU) && a.isChecked(Menu::BGM) == b.isChecked(Menu::BGM);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const test::TempFolder folder;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    auto applied = std::make_unique<Started>(folder.path.string());
    applySettings(applied->game, bytes);
    requireConsistent(*applied);

    const std::string written = settingsBytes(applied->game.preferences());
    auto reread = std::make_unique<Started>(folder.path.string());
    applySettings(reread->game, written);
    requireConsistent(*reread);
    fuzz::require(sameMarks(applied->game, reread->game), "written settings read back differently");
    fuzz::require(settingsBytes(reread->game.preferences()) == written, "writing the marks again gives other bytes");

    // Through the file: the same as the bytes applied, for any file the reader takes.
    folder.write("Orizen.ini", bytes);
    auto fromFile = std::make_unique<Started>(folder.path.string());
    fromFile->game.読込_環境設定ファイル();
    requireConsistent(*fromFile);
    if (size <= 64 * 1024) fuzz::require(sameMarks(applied->game, fromFile->game), "the file read differently");
    return 0;
}
