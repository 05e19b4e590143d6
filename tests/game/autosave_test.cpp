// The game in progress kept after every move, and never left broken by a kill.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <random>
#include <thread>

#include "fakes.h"
#include "game/files.h"
#include "game/places.h"
#include "game/autosave.h"
#include "game/record_file.h"

extern char** environ;

namespace orizen::test {

namespace {

RecordFile readBack(const std::string& path) {
    std::string bytes, error;
    EXPECT_TRUE(readWholeFile(path, kRecordMaxBytes, bytes, error)) << error;
    return parseRecord(bytes);
}

}  // namespace

TEST(Autosave, EveryMoveIsWrittenAndReadsBackAsTheGameSoFar) {
    Harness h;
    Autosave save((h.folder.path / kLastGameFile).string());
    EXPECT_FALSE(save.check(h.game.moveHistory(), h.game.state()));  // no move yet: nothing written
    EXPECT_FALSE(std::filesystem::exists(save.path()));

    runCommand(h.game, Menu::START);
    h.click(5, 18), h.click(5, 17);
    EXPECT_TRUE(save.check(h.game.moveHistory(), h.game.state()));
    EXPECT_FALSE(save.check(h.game.moveHistory(), h.game.state()));  // unchanged: not written again
    h.click(5, 10), h.click(5, 11);
    EXPECT_TRUE(save.check(h.game.moveHistory(), h.game.state()));
    RecordFile r = readBack(save.path());
    EXPECT_TRUE(r.problem.empty());
    ASSERT_EQ(r.moves.size(), 2u);
    EXPECT_EQ(r.moves[1].fromY, 10);
    EXPECT_EQ(r.lines[0], "前回の対局");

    // Stepping back keeps the moves that can still be stepped into.
    runCommand(h.game, Menu::REPLAY);
    EXPECT_FALSE(save.check(h.game.moveHistory(), h.game.state()));
    // A record being viewed and a reversed board are not the game in progress.
    h.game.arrangeFlow().RecordMode = YES;
    h.game.arrangeHistory().RecordLength = 1;
    EXPECT_FALSE(save.check(h.game.moveHistory(), h.game.state()));
    h.game.arrangeFlow().RecordMode = NO;
    h.game.arrangeFlow().Reversed = YES;
    EXPECT_FALSE(save.check(h.game.moveHistory(), h.game.state()));
    EXPECT_EQ(readBack(save.path()).moves.size(), 2u);
}

TEST(Autosave, AFailedWriteIsReportedAndTriedAgain) {
    Harness h;
    Autosave save((h.folder.path / "gone" / kLastGameFile).string());
    runCommand(h.game, Menu::START);
    h.click(5, 18), h.click(5, 17);
    EXPECT_FALSE(save.check(h.game.moveHistory(), h.game.state()));
    EXPECT_FALSE(save.error().empty());
    std::filesystem::create_directory(h.folder.path / "gone");
    EXPECT_TRUE(save.check(h.game.moveHistory(), h.game.state()));
    EXPECT_TRUE(save.error().empty());
}

// Kills a program that plays and keeps its games at random moments, many times: the record is
// never broken or empty, whatever the moment.
TEST(Autosave, KillingTheProgramAtAnyMomentNeverLeavesABrokenRecord) {
    TempFolder folder;
    const std::string path = (folder.path / kLastGameFile).string();
    const std::string program = ORIZEN_AUTOSAVE_CHILD, where = folder.path.string();
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(where.c_str()), nullptr};
    const auto spawn = [&] {
        pid_t child = 0;
        EXPECT_EQ(posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ), 0);
        return child;
    };
    const auto killed = [](pid_t child) {
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFSIGNALED(status);
    };
    // How long the program takes to its first write here (much longer under the sanitizers).
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const pid_t first = spawn();
    while (!std::filesystem::exists(path) && Clock::now() - start < std::chrono::seconds(30))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto firstWrite = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
    ASSERT_TRUE(killed(first));
    ASSERT_TRUE(std::filesystem::exists(path)) << "no game written in 30 s";

    // Then killed at random moments up to four times that: before its first move, during the
    // computer's turns and during writes.
    std::mt19937 random(15);
    int found = 0;
    const int kills = 40;
    for (int i = 0; i < kills; ++i) {
        std::filesystem::remove(path);
        const pid_t child = spawn();
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (4 * firstWrite + 1)));
        ASSERT_TRUE(killed(child)) << "the program ended by itself";
        if (!std::filesystem::exists(path)) continue;  // killed before its first move
        ++found;
        const RecordFile r = readBack(path);
        EXPECT_TRUE(r.problem.empty()) << "kill " << i << ": " << r.problem;
        EXPECT_EQ(r.headerLines, 3) << "kill " << i;
        EXPECT_GE(r.moves.size(), 1u) << "kill " << i;
    }
    EXPECT_GE(found, kills / 2);
}

}  // namespace orizen::test
