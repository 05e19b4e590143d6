// Sound: the device and the five buffers through a start-up, a restart and a shutdown; the help
// page and the version dialog.
#include <gtest/gtest.h>

#include "fakes.h"

namespace orizen::test {

namespace {

std::vector<std::string> without(const std::vector<std::string>& calls, const std::string& prefix) {
    std::vector<std::string> r;
    for (const auto& c : calls)
        if (c.rfind(prefix, 0) != 0) r.push_back(c);
    return r;
}

}  // namespace

TEST(Sound, StartUpLoadsFiveBuffersWithTheirModesAndShutdownFreesThemInOrder) {
    Harness h;
    EXPECT_EQ(h.sound.calls, (std::vector<std::string>{"dsInitialize", "dsCreateDSB 11 3 -> 1", "dsCreateDSB 12 3 -> 2",
                                                        "dsCreateDSB 13 3 -> 3", "dsCreateDSB 14 3 -> 4",
                                                        "dsCreateDSB 15 1 -> 5"}));
    h.sound.calls.clear();
    runCommand(h.game, Menu::OWARI);
    EXPECT_EQ(h.sound.calls, (std::vector<std::string>{"dsFree 1", "dsFree 2", "dsFree 3", "dsFree 4", "dsFree 5",
                                                        "dsTerminate 1000"}));
    EXPECT_EQ(h.host.quits, 1);
    h.game.Form_Unload();  // closing the window afterwards changes nothing
    EXPECT_EQ(h.host.quits, 1);
}

TEST(Sound, WithoutADeviceTheGameWarnsOnceAndRunsSilently) {
    Harness h(false);
    h.sound.deviceAvailable = false;
    h.game.Form_Load();
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(h.host.boxes[0].title, "Orizen.dll");
    EXPECT_EQ(h.host.boxes[0].icon, Icon::Warning);
    EXPECT_EQ(h.game.soundHandles().SoundPiece, 0);
    EXPECT_EQ(h.game.soundHandles().SoundBgm, 0);
    EXPECT_EQ(h.sound.calls, std::vector<std::string>{"dsInitialize"}) << "no buffer is made without a device";
    runCommand(h.game, Menu::START);
    h.click(5, 18);
    h.click(5, 17);
    EXPECT_EQ(h.game.position().Board(5, 17), -30) << "the game goes on";
}

TEST(Sound, AMissingFileIsSilentAndAnEmptyOneIsReported) {
    Harness h(false);
    std::filesystem::remove(h.folder.path / "BGM.wav");
    h.folder.write("禁止.wav", "");
    h.folder.write("Orizen.ini", "BGM=ON\r\n");
    h.game.Form_Load();
    EXPECT_EQ(h.game.soundHandles().SoundBgm, 0);
    EXPECT_EQ(h.game.soundHandles().SoundForbidden, 0);
    EXPECT_NE(h.game.soundHandles().SoundPiece, 0);
    ASSERT_EQ(h.host.boxes.size(), 1u) << "only the empty file is reported";
    EXPECT_EQ(h.host.boxes[0].title, "Orizen.dll");
    EXPECT_NE(h.host.boxes[0].text.find("禁止.wav"), std::string::npos);
    // Music switched on with no music file: the mark and the file say so, nothing plays.
    EXPECT_TRUE(h.game.isChecked(Menu::BGM));
    EXPECT_NE(std::find(h.sound.calls.begin(), h.sound.calls.end(), "dsPlayLooping 0"), h.sound.calls.end());
}

TEST(Sound, ARestartLetsGoOfTheOldDeviceAndMusicFirst) {
    Harness h(false);
    h.folder.write("Orizen.ini", "BGM=ON\r\n");
    h.game.Form_Load();
    h.sound.calls.clear();
    runCommand(h.game, Menu::CANCEL);
    const std::vector<std::string> expected{"dsStop 5",  "dsFree 1", "dsFree 2",         "dsFree 3",
                                            "dsFree 4",  "dsFree 5", "dsTerminate 1000", "dsInitialize"};
    ASSERT_GE(h.sound.calls.size(), expected.size());
    EXPECT_EQ(std::vector(h.sound.calls.begin(), h.sound.calls.begin() + 8), expected);
    // The new buffers are made afresh and the music starts once, on the new buffer.
    const auto rest = without(std::vector(h.sound.calls.begin() + 8, h.sound.calls.end()), "dsCreateDSB");
    EXPECT_EQ(rest, (std::vector<std::string>{"dsPlayLooping 10", "dsPlay 8"}));
}

TEST(Sound, TheVersionDialogPlaysItsSoundAndTheHelpPageOpensFromTheStartFolder) {
    Harness h;
    h.host.panelFiles = true;
    h.played();
    runCommand(h.game, Menu::VER);
    EXPECT_EQ(h.played(), std::vector<std::intptr_t>{1});
    EXPECT_EQ(h.host.versionDialogs, 1);
    EXPECT_FALSE(h.host.panelFiles) << "the record panel closes first";
    EXPECT_FALSE(h.game.locations().HomePage.empty());

    runCommand(h.game, Menu::KAISETU);
    ASSERT_EQ(h.host.opened.size(), 1u);
    EXPECT_EQ(h.host.opened[0], h.folder.path.string() + "/Orizen.htm");
    h.host.openSucceeds = false;
    runCommand(h.game, Menu::KAISETU);
    EXPECT_TRUE(h.host.boxes.empty()) << "a failure stays silent";
}

}  // namespace orizen::test

namespace orizen::test {

// A sound name that leads to a device would be read for ever: it is reported and left silent, and
// start-up goes on.
TEST(Sound, ANameThatLeadsToADeviceIsReportedNotRead) {
    Harness h(false);
    std::filesystem::remove(h.folder.path / "BGM.wav");
    std::filesystem::create_symlink("/dev/zero", h.folder.path / "BGM.wav");
    h.game.Form_Load();
    EXPECT_EQ(h.game.soundHandles().SoundBgm, 0);
    EXPECT_NE(h.game.soundHandles().SoundPiece, 0);
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].title, "Orizen.dll");
    EXPECT_EQ(h.host.boxes[0].text, "not a regular file: BGM.wav");
}

}  // namespace orizen::test
