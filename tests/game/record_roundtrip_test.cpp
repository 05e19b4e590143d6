// A game played by clicks, saved through the panel, read back and replayed with "進"; and the
// command-line replay of the same file.
#include <gtest/gtest.h>

#include <cstdio>

#include "game/files.h"
#include "play.h"

namespace orizen::test {

namespace {

std::string runCli(const std::string& args) {
    std::string out;
    if (FILE* p = ::popen((std::string("'") + ORIZEN_CLI + "' " + args + " 2>&1").c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

std::string boardText(const Game& g) {
    std::string s = "board\n";
    for (int y = 1; y <= 27; ++y)
        for (int x = 1; x <= 27; ++x) s += std::to_string(g.position().Board(x, y)) + (x < 27 ? " " : "\n");
    s += "hand-upper";
    for (int i = 1; i <= 7; ++i) s += " " + std::to_string(g.position().HandUpper(i));
    s += "\nhand-lower";
    for (int i = 1; i <= 7; ++i) s += " " + std::to_string(g.position().HandLower(i));
    return s + "\n";
}

}  // namespace

TEST(RecordRoundTrip, SavedAtMoveThirtyAndAtMoveFiveAfterSteppingBack) {
    Harness h;
    Game& g = h.game;
    h.host.folder = h.folder.path.string();
    std::mt19937 rng(7);
    runCommand(g, Menu::START);
    std::vector<Position> seen{snapshot(g)};
    for (int ply = 1; ply <= 30; ++ply) {
        const Candidate c = choose(candidates(g, rng), rng);
        play(h, c.fx, c.fy, c.tx, c.ty, c.button);
        ASSERT_EQ(g.moveHistory().RecordCount, ply);
        seen.push_back(snapshot(g));
    }
    h.host.fields[1] = "thirty";
    h.host.fields[2] = "練習対局";
    h.host.fields[3] = "先手さん";
    h.host.fields[4] = "後手さん";
    g.Command1_Click();
    ASSERT_EQ(h.host.boxes.back().text, "棋譜を書き込みました");
    for (int i = 0; i < 25; ++i) runCommand(g, Menu::REPLAY);
    h.host.fields[1] = "five";
    g.Command1_Click();
    ASSERT_EQ(h.host.boxes.back().text, "棋譜を書き込みました");

    for (auto [name, moves] : {std::pair{"thirty", 30}, std::pair{"five", 5}}) {
        const std::string path = (h.folder.path / (std::string(name) + ".棋譜")).string();
        h.host.boxes.clear();
        g.File1_Click(path);
        ASSERT_EQ(g.moveHistory().RecordLength, moves) << name;
        EXPECT_EQ(snapshot(g), seen[0]);
        for (int n = 1; n <= moves; ++n) {
            runCommand(g, Menu::AFTER);
            ASSERT_EQ(snapshot(g), seen[n]) << name << " move " << n;
        }
        h.host.boxes.clear();
        runCommand(g, Menu::AFTER);
        EXPECT_EQ(h.host.texts(), std::vector<std::string>{"終わり"});

        // The command-line replay goes through the same reader and steps.
        const std::string out = runCli("replay '" + path + "'");
        // Closing the panel after the first write emptied its fields.
        const std::string header = moves == 30 ? "# name: 練習対局\n# upper: 後手さん\n# lower: 先手さん\n"
                                               : "# name: \n# upper: \n# lower: \n";
        EXPECT_EQ(out.rfind(header + "# moves: " + std::to_string(moves) + "\n", 0), 0u) << out;
        EXPECT_NE(out.find(boardText(g)), std::string::npos) << out;
        EXPECT_NE(runCli("replay --upto 3 '" + path + "'").find("# moves: 3\n"), std::string::npos);
    }
}

TEST(RecordRoundTrip, TheCommandLineRefusesWhatDoesNotFit) {
    TempFolder f;
    f.write("unfit.棋譜", "g\r\nu\r\nl\r\n5 185 17-30 -30 0   \r\n-17 5 11100 100 0   \r\n");
    const std::string path = (f.path / "unfit.棋譜").string();
    EXPECT_EQ(runCli("replay '" + path + "'"), "error: " + path + ": move 2: does not fit the position\n");
    EXPECT_NE(runCli("replay --upto 1 '" + path + "'").find("# moves: 1"), std::string::npos);
    EXPECT_EQ(runCli("replay --upto 3 '" + path + "'"), "error: " + path + ": the record has 2 moves\n");
    f.write("bad.棋譜", "g\r\nu\r\nl\r\n5 185 17-30 -30 0   \r\nnonsense\r\n");
    EXPECT_EQ(runCli("replay '" + (f.path / "bad.棋譜").string() + "'"),
              "error: " + (f.path / "bad.棋譜").string() + ": move 2: not a move the game can read\n");
    EXPECT_NE(runCli("replay --upto x '" + path + "'").find("error:"), std::string::npos);
    EXPECT_NE(runCli("replay").find("error: usage"), std::string::npos);
}

}  // namespace orizen::test
