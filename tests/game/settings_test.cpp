// The settings file: start-up defaults, exact matching, rewriting on every change, write failures.
#include <gtest/gtest.h>

#include "fakes.h"
#include "game/files.h"

namespace orizen::test {

namespace {

std::string sjis(const std::string& utf8) {
    std::string out;
    toCp932(utf8, out);
    return out;
}

struct Settings : ::testing::Test {
    Harness h{false};
    void start(const std::string& utf8) {
        h.folder.write("Orizen.ini", sjis(utf8));
        h.game.Form_Load();
    }
    std::string file() {
        std::string bytes, error;
        readWholeFile((h.folder.path / "Orizen.ini").string(), 1 << 16, bytes, error);
        return fromCp932(bytes);
    }
    bool checked(Menu m) { return h.game.isChecked(m) && h.host.checks[m]; }
    bool unchecked(Menu m) { return !h.game.isChecked(m) && !h.host.checks[m]; }
};

}  // namespace

TEST_F(Settings, AMissingFileIsCreatedWithTheDefaults) {
    h.game.Form_Load();
    EXPECT_EQ(file(), "背景画=緑\r\n移動指導=OFF\r\nBGM=OFF\r\n");
    EXPECT_EQ(h.game.options().BackgroundKind, BG_MIDORI);
    EXPECT_TRUE(checked(Menu::MIDORI));
    EXPECT_TRUE(unchecked(Menu::TATAMI));
    EXPECT_TRUE(unchecked(Menu::SIDOU));
    EXPECT_TRUE(unchecked(Menu::BGM));
    EXPECT_EQ(h.game.options().GuidanceColour, COLOUR_WHITE) << "left as start-up set it";
}

TEST_F(Settings, OnlyBgmOnStartsTheMusicAndKeepsTheRestAsStartUpLeftIt) {
    start("BGM=ON\r\n");
    EXPECT_NE(std::find(h.sound.calls.begin(), h.sound.calls.end(), "dsPlayLooping 5"), h.sound.calls.end());
    EXPECT_TRUE(checked(Menu::SIDOU));
    EXPECT_TRUE(h.game.isChecked(Menu::TATAMI)) << "the design-time mark stays";
    EXPECT_EQ(h.game.options().BackgroundKind, 0);
    h.game.BGM_Click();
    EXPECT_EQ(file(), "背景画=畳\r\n移動指導=ON\r\nBGM=OFF\r\n");
}

TEST_F(Settings, ValuesAreMatchedExactlyAndOddLinesAreSkipped) {
    start("背景画=宇宙\r\nno equals sign\r\n移動指導=on\r\nBGM=ON \r\n背景画=紫\r\nother=1\r\n");
    EXPECT_EQ(h.game.options().BackgroundKind, BG_UCHU);
    EXPECT_TRUE(checked(Menu::UCHU));
    EXPECT_TRUE(unchecked(Menu::TATAMI));
    EXPECT_TRUE(unchecked(Menu::SIDOU));
    EXPECT_EQ(h.game.options().GuidanceColour, COLOUR_GREEN);
    EXPECT_TRUE(unchecked(Menu::BGM));
    for (const auto& c : h.sound.calls) EXPECT_NE(c, "dsPlayLooping 5");
}

TEST_F(Settings, EveryChangeRewritesTheWholeFileInItsKeyOrder) {
    start("背景画=竹\nBGM=OFF\n移動指導=ON\n");  // LF-only and another order read too
    EXPECT_EQ(h.game.options().BackgroundKind, BG_TAKE);
    runCommand(h.game, Menu::RENGA);
    EXPECT_EQ(file(), "背景画=煉瓦\r\n移動指導=ON\r\nBGM=OFF\r\n");
    EXPECT_EQ(h.game.options().BackgroundKind, BG_RENGA);
    runCommand(h.game, Menu::BGM);
    EXPECT_EQ(file(), "背景画=煉瓦\r\n移動指導=ON\r\nBGM=ON\r\n");
    // Choosing the marked background again still saves and redraws everything.
    std::filesystem::remove(h.folder.path / "Orizen.ini");
    h.canvas.clear();
    runCommand(h.game, Menu::RENGA);
    EXPECT_EQ(file(), "背景画=煉瓦\r\n移動指導=ON\r\nBGM=ON\r\n");
    EXPECT_GT(h.canvas.ops.size(), 1000u);
}

TEST_F(Settings, MusicStopsAndStartsOnTheSameBuffer) {
    start("背景画=緑\r\n移動指導=ON\r\nBGM=OFF\r\n");
    h.sound.calls.clear();
    h.game.BGM_Click();
    h.game.BGM_Click();
    h.game.BGM_Click();
    EXPECT_EQ(h.sound.calls, (std::vector<std::string>{"dsPlayLooping 5", "dsStop 5", "dsPlayLooping 5"}));
}

TEST_F(Settings, AFailedWriteFallsBackToTheDefaultsAndWarns) {
    start("背景画=宇宙\r\n移動指導=ON\r\nBGM=OFF\r\n");
    h.game.setFolders((h.folder.path / "gone").string(), h.game.locations().AssetFolder);
    h.sound.calls.clear();
    runCommand(h.game, Menu::RENGA);
    EXPECT_TRUE(checked(Menu::MIDORI));
    EXPECT_TRUE(unchecked(Menu::RENGA));
    EXPECT_TRUE(unchecked(Menu::SIDOU));
    EXPECT_TRUE(checked(Menu::BGM));
    EXPECT_EQ(h.game.options().BackgroundKind, BG_RENGA) << "the fallback leaves the picture as it was";
    EXPECT_TRUE(h.sound.calls.empty()) << "the music is neither started nor stopped";
    ASSERT_FALSE(h.host.boxes.empty());
    EXPECT_EQ(h.host.boxes.back().icon, Icon::Warning);
    EXPECT_EQ(file(), "背景画=宇宙\r\n移動指導=ON\r\nBGM=OFF\r\n") << "the old file is untouched";
}

}  // namespace orizen::test

namespace orizen::test {

// The levels and the backgrounds are radio groups; the file holds what is marked, and reads back.
TEST(SettingsMarks, GroupsKeepOneMarkAndTheBytesReadBack) {
    orizen::Settings s;
    s.mark(Menu::LEVEL2, true);
    s.mark(Menu::LEVEL3, false);  // not the marked one: nothing changes
    s.mark(Menu::UCHU, true);
    s.mark(Menu::BGM, true);
    EXPECT_TRUE(s.marked(Menu::LEVEL2) && !s.marked(Menu::LEVEL3) && s.marked(Menu::UCHU) && !s.marked(Menu::TATAMI));
    EXPECT_FALSE(s.marked(Menu::START)) << "an item that stands for no option is never marked";
    s.mark(Menu::UCHU, false);
    EXPECT_EQ(fromCp932(settingsBytes(s)), "移動指導=ON\r\nBGM=ON\r\n") << "no background line when none is marked";
    s.mark(Menu::RENGA, true);
    const std::vector<SettingLine> lines = readSettings(settingsBytes(s));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].key + "=" + lines[0].value, "背景画=煉瓦");
}

}  // namespace orizen::test
