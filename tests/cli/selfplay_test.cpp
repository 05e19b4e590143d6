// Self-play: whole games against stored transcripts (a signature of the whole engine), every way a
// game ends, the options, and the lower side's move turned back onto the board and committed as
// the person's clicks commit it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <sstream>

#include "classic/search.h"
#include "cli/selfplay.h"
#include "game/headless.h"
#include "play.h"

namespace orizen::test {

namespace {

using cli::Ply;
using cli::Reason;
using cli::Selfplay;
using cli::SelfplaySettings;
using Side = cli::Winner;

const std::string kData = std::string(ORIZEN_SOURCE_DIR) + "/tests/data/selfplay/";

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct CliRun {
    int status = -1;
    std::string out, err;
};

CliRun cli(const std::string& args) {
    static TempFolder folder;
    const std::string out = (folder.path / "out").string(), err = (folder.path / "err").string();
    const int raw =
        std::system((std::string("'") + ORIZEN_CLI + "' " + args + " >'" + out + "' 2>'" + err + "'").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
}

struct Piece {
    int x, y, code;
};

cli::Position position(std::initializer_list<Piece> pieces, Row<int, 8> upper = {}, Row<int, 8> lower = {}) {
    cli::Position p;
    for (const Piece& q : pieces) p.board(q.x, q.y) = int16_t(q.code);
    p.handUpper = upper;
    p.handLower = lower;
    return p;
}

std::string text(const cli::Position& p) {
    std::string s = "board\n";
    for (int y = 1; y <= 27; ++y)
        for (int x = 1; x <= 27; ++x) {
            s += std::to_string(p.board(x, y));
            s += x == 27 ? '\n' : ' ';
        }
    for (const auto* hand : {&p.handUpper, &p.handLower}) {
        s += hand == &p.handUpper ? "hand-upper" : "hand-lower";
        for (int i = 1; i <= 7; ++i) {
            s += ' ';
            s += std::to_string((*hand)(i));
        }
        s += '\n';
    }
    return s;
}

// A position file for the command-line tool; returns its quoted path.
std::string file(const cli::Position& p) {
    static TempFolder folder;
    static int n = 0;
    const std::string name = "s" + std::to_string(++n) + ".pos";
    folder.write(name, text(p));
    return "'" + (folder.path / name).string() + "'";
}

std::string transcript(const Selfplay& s) {
    std::string t;
    for (const Ply& p : s.plies) t += cli::plyText(p);
    return t + cli::resultText(s.winner, s.reason);
}

SelfplaySettings settings(int plies, bool upperFirst = false) {
    SelfplaySettings s;
    s.plies = plies;
    s.upperFirst = upperFirst;
    return s;
}

// The upper king in the corner, checked by a guarded gold: whatever it does it is taken, and the
// lower pieces left round its square make the mate test answer YES there afterwards.
const cli::Position kUpperNet =
    position({{1, 1, 950}, {14, 27, -950}, {2, 2, -110}, {2, 3, -30}, {2, 4, -100}, {1, 9, -40}});

cli::Position turned(const cli::Position& p) {
    cli::Position t;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) t.board(28 - x, 28 - y) = int16_t(-p.board(x, y));
    t.handUpper = p.handLower;
    t.handLower = p.handUpper;
    return t;
}

}  // namespace

// ---- Whole games ------------------------------------------------------------------------------

struct Stored {
    std::string args;
    const char* expected;
};

void PrintTo(const Stored& s, std::ostream* os) { *os << s.expected; }

class Transcript : public ::testing::TestWithParam<Stored> {};

TEST_P(Transcript, MatchesByteForByte) {
    const CliRun r = cli("selfplay " + GetParam().args);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out == slurp(kData + GetParam().expected))
        << GetParam().expected << " differs: a choice or a score of the computer has changed";
}

INSTANTIATE_TEST_SUITE_P(
    Games, Transcript,
    ::testing::Values(Stored{"--plies 40", "opening-40.txt"},
                      Stored{"--plies 40 '" + kData + "hands.pos'", "hands-40.txt"},
                      Stored{"--first upper --upper-level 2 --lower-level 1 --plies 40", "levels-40.txt"},
                      // 500 plies at level 3 from a position with both hands: every game ends.
                      Stored{"'" + kData + "hands.pos'", "hands-500.txt"}));

// The search that surveys every candidate in full plays the same games as the one in use.
TEST(Selfplay, ThePlainSearchPlaysTheSameGames) {
    cli::Position hands;
    std::string error;
    ASSERT_TRUE(cli::readPosition(kData + "hands.pos", hands, error)) << error;
    const std::pair<const cli::Position*, const char*> games[] = {{nullptr, "opening-40.txt"},
                                                                  {&hands, "hands-40.txt"}};
    for (const auto& [start, expected] : games) {
        Players plain(1, true);
        Selfplay s(settings(40), start, &plain);
        const bool played = s.play();
        ASSERT_TRUE(played);
        EXPECT_TRUE(transcript(s) == slurp(kData + expected)) << expected;
    }
}

// ---- How a game ends --------------------------------------------------------------------------

TEST(Selfplay, TakingAKingEndsTheGameAndTheGameDoesNotStartAgain) {
    Selfplay lower(settings(500, true), &kUpperNet);
    ASSERT_TRUE(lower.play());
    ASSERT_EQ(lower.plies.size(), 2u);
    EXPECT_EQ(lower.winner, Side::Lower);
    EXPECT_EQ(lower.reason, Reason::KingTaken);
    EXPECT_EQ(lower.plies[1].score, 9999);
    Game& g = lower.game;
    EXPECT_TRUE(g.state().Ended);
    EXPECT_EQ(g.state().Winner, g.state().HumanSide);
    EXPECT_EQ(g.position().Board(1, 2), -110);  // the final position stays: no new game was set out
    // The mate test the game asked after the taking move answered YES as well; the take is reported.
    g.勢力調査();
    EXPECT_EQ(g.詰めかCOM(), YES);

    const cli::Position lowerNet = turned(kUpperNet);
    Selfplay upper(settings(500), &lowerNet);
    ASSERT_TRUE(upper.play());
    ASSERT_EQ(upper.plies.size(), 2u);
    EXPECT_EQ(upper.winner, Side::Upper);
    EXPECT_EQ(upper.reason, Reason::KingTaken);
    EXPECT_TRUE(upper.game.state().Ended);
    // No announcement after the king is taken, though the mate test would say YES on its square.
    EXPECT_FALSE(upper.plies[1].mate || upper.plies[1].check);
    upper.game.勢力調査();
    EXPECT_EQ(upper.game.詰めかMAN(), YES);

    // The end is reported when it comes on the last ply allowed.
    EXPECT_EQ(cli("selfplay --first upper --plies 2 " + file(kUpperNet)).out,
              "ply 1 upper 1 1 1 2 950 950 -9998.000000\n"
              "ply 2 lower 2 2 1 2 -110 -110 9999.000000\nresult lower king-taken\n");
    EXPECT_EQ(cli("selfplay --plies 2 " + file(lowerNet)).out,
              "ply 1 lower 27 27 27 26 -950 -950 -9998.000000\n"
              "ply 2 upper 26 26 27 26 110 110 9999.000000\nresult upper king-taken\n");
}

TEST(Selfplay, MateOfTheUpperKingEndsTheGameMateOfTheLowerOnlyIsAnnounced) {
    // A gold dropped beside the upper king in the corner, guarded by a pawn.
    Row<int, 8> gold{};
    gold(5) = 1;
    const cli::Position lowerMates = position({{1, 1, 950}, {14, 27, -950}, {1, 3, -30}}, {}, gold);
    EXPECT_EQ(cli("selfplay " + file(lowerMates)).out,
              "ply 1 lower 29 25 1 2 -110 -110 9998.000000\nresult lower mate\n");

    // Turned round, the upper side's mate is announced and the game goes on until the king falls.
    const cli::Position upperMates = position({{27, 27, -950}, {14, 1, 950}, {27, 25, 30}}, gold, {});
    EXPECT_EQ(cli("selfplay --first upper " + file(upperMates)).out,
              "ply 1 upper -1 5 27 26 110 110 9998.000000\nannounce mate\n"
              "ply 2 lower 27 27 27 26 -950 -950 -9998.000000\n"
              "ply 3 upper 27 25 27 26 30 30 9999.000000\nresult upper king-taken\n");

    Row<int, 8> rook{};
    rook(7) = 1;
    const CliRun check =
        cli("selfplay --first upper --plies 1 " + file(position({{27, 27, -950}, {14, 1, 950}}, rook, {})));
    EXPECT_EQ(check.out, "ply 1 upper -1 7 25 27 900 900 106.100000\nannounce check\nresult none plies\n");
}

TEST(Selfplay, ASideWithNothingToMoveLoses) {
    const cli::Position lowerAlone = position({{14, 27, -950}, {5, 20, -30}});
    const cli::Position upperAlone = position({{14, 1, 950}, {5, 8, 30}});
    EXPECT_EQ(cli("selfplay --first upper " + file(lowerAlone)).out, "result lower no-move\n");
    EXPECT_EQ(cli("selfplay " + file(lowerAlone)).out,
              "ply 1 lower 14 27 15 27 -950 -950 1.000000\nresult lower no-move\n");
    EXPECT_EQ(cli("selfplay " + file(upperAlone)).out, "result upper no-move\n");

    Selfplay s(settings(500, true), &lowerAlone);
    ASSERT_TRUE(s.play());
    EXPECT_TRUE(s.game.state().Ended);  // the computer gave the game up through the game's own end
    EXPECT_EQ(s.game.moveHistory().RecordCount, 0);
}

TEST(Selfplay, ThePlyLimit) {
    EXPECT_EQ(cli("selfplay --plies 0").out, "result none plies\n");
    EXPECT_EQ(cli("selfplay --plies 0 --first upper").out, "result none plies\n");

    const std::string opening = slurp(kData + "opening-40.txt");
    size_t third = 0;
    for (int i = 0; i < 3; ++i) third = opening.find('\n', third) + 1;
    EXPECT_EQ(cli("selfplay --plies 3").out, opening.substr(0, third) + "result none plies\n");

    // Above 500 the history's length is the limit; options come in any order.
    const CliRun capped = cli("selfplay --lower-level 1 --plies 100000000000 --upper-level 1");
    EXPECT_EQ(capped.status, 0);
    EXPECT_EQ(std::count(capped.out.begin(), capped.out.end(), '\n'), 501);
    const size_t last = capped.out.rfind("ply ");
    EXPECT_EQ(capped.out.substr(last, 14), "ply 500 upper ");
    EXPECT_EQ(capped.out.substr(capped.out.find('\n', last) + 1), "result none plies\n");

    const CliRun shuffled = cli("selfplay --first upper --plies 40 --lower-level 1 --upper-level 2");
    EXPECT_EQ(shuffled.out, slurp(kData + "levels-40.txt"));
}

TEST(Selfplay, BadArgumentsAreRefused) {
    for (const char* args : {"--plies -1", "--plies", "--plies x", "--plies 5 --plies 6", "--upper-level 0",
                             "--lower-level 5", "--movetime 0", "--movetime", "--first middle", "--first", "--depth 2",
                             "a.pos b.pos", "/nonexistent/x.pos"}) {
        const CliRun r = cli(std::string("selfplay ") + args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err.rfind("error: ", 0), 0u) << args;
    }
    // The file's level line is not the level of either side.
    cli::Position p;
    std::string error;
    ASSERT_TRUE(cli::parsePosition("opening\nhand-upper 0 0 0 0 0 0 0\nhand-lower 0 0 0 0 0 0 0\nlevel 1\n", p, error));
    EXPECT_EQ(cli("selfplay --plies 40 " + file(p)).out, slurp(kData + "opening-40.txt"));
}

// ---- The lower side's move ----------------------------------------------------------------------

TEST(Selfplay, TheLowerSideSeesThePositionAsReverseTurnsItAndItsChoiceComesBack) {
    Harness h;
    Game& g = h.game;
    g.arrange().pos.Board(3, 15) = 800;
    g.arrange().pos.Board(20, 12) = -41;
    g.arrange().pos.HandLower(2) = 3, g.arrange().pos.HandUpper(6) = 1;
    g.arrange().pos.LowerHandCount = 3, g.arrange().pos.UpperHandCount = 1;
    Headless turned;
    turnRound(g, turned.game);
    g.REVERSE_Click();
    EXPECT_TRUE(turned.game.position().Board == g.position().Board);
    EXPECT_TRUE(turned.game.position().HandUpper == g.position().HandUpper);
    EXPECT_TRUE(turned.game.position().HandLower == g.position().HandLower);
    EXPECT_EQ(turned.game.position().UpperHandCount, g.position().UpperHandCount);
    EXPECT_EQ(turned.game.position().LowerHandCount, g.position().LowerHandCount);

    const cli::LowerMove drop = turnBack(Game::Choice{true, {-1, 5, 3, 4, 110, 110}, 12.5});
    EXPECT_EQ((std::array{drop.move.fx, drop.move.fy, drop.move.tx, drop.move.ty, drop.move.before, drop.move.after}),
              (std::array{29, 25, 25, 24, -110, -110}));
    EXPECT_EQ(drop.score, 12.5);
    const cli::LowerMove promotes = turnBack(Game::Choice{true, {2, 2, 26, 26, 800, 801}, 9});
    EXPECT_EQ((std::array{promotes.move.fx, promotes.move.fy, promotes.move.tx, promotes.move.ty, promotes.move.before,
                          promotes.move.after}),
              (std::array{26, 26, 2, 2, -800, -801}));

    // On the symmetric opening array, the lower side's first move is the upper side's turned round.
    const std::string lowerFirst = cli("selfplay --plies 1").out,
                      upperFirst = cli("selfplay --plies 1 --first upper").out;
    EXPECT_EQ(lowerFirst, "ply 1 lower 14 18 14 17 -30 -30 3.700000\nresult none plies\n");
    EXPECT_EQ(upperFirst, "ply 1 upper 14 10 14 11 30 30 3.700000\nresult none plies\n");
}

// The tool's commit followed by the computer's turn leaves the game exactly as the person's clicks
// leave it, for a drop from the lower hand and for a promotion by the right button.
TEST(Selfplay, TheLowerMoveIsCommittedAsThePersonsClicksCommitIt) {
    struct Case {
        cli::LowerMove move;
        int button;
    };
    const Case cases[] = {{{29, 23, 14, 15, -50, -50, 0}, LEFT_BUTTON},   // knight from the lower hand
                          {{26, 26, 2, 2, -800, -801, 0}, RIGHT_BUTTON},  // bishop takes and promotes
                          {{26, 26, 20, 20, -800, -800, 0}, LEFT_BUTTON}};
    for (const Case& c : cases) {
        Harness byClicks, byTool;
        for (Harness* h : {&byClicks, &byTool}) {
            Game& g = h->game;
            g.arrange().pos.Board(18, 18) = EMPTY, g.arrange().pos.Board(10, 10) = EMPTY;  // the bishops see each other
            g.arrange().pos.HandLower(3) = 2, g.arrange().pos.LowerHandCount = 2;
            runCommand(g, Menu::SENTE);
        }
        play(byClicks, c.move.move.fx, c.move.move.fy, c.move.move.tx, c.move.move.ty, c.button);
        Game& t = byTool.game;
        ASSERT_EQ(cli::commitLower(t, c.move), YES);
        EXPECT_EQ(t.moveHistory().RecResult(t.moveHistory().RecordCount), c.move.move.after);
        t.com_ban();

        const Game& k = byClicks.game;
        EXPECT_EQ(k.moveHistory().RecordCount, 2);
        EXPECT_TRUE(snapshot(k) == snapshot(t));
        EXPECT_EQ(k.state().MoveNumber, t.state().MoveNumber);
        for (int n = 1; n <= 2; ++n)
            EXPECT_EQ((std::array{k.moveHistory().RecFromX(n), k.moveHistory().RecFromY(n), k.moveHistory().RecToX(n),
                                  k.moveHistory().RecToY(n), k.moveHistory().RecPiece(n), k.moveHistory().RecResult(n),
                                  k.moveHistory().RecCaptured(n)}),
                      (std::array{t.moveHistory().RecFromX(n), t.moveHistory().RecFromY(n), t.moveHistory().RecToX(n),
                                  t.moveHistory().RecToY(n), t.moveHistory().RecPiece(n), t.moveHistory().RecResult(n),
                                  t.moveHistory().RecCaptured(n)}));
        EXPECT_TRUE(k.remembered() == t.remembered());
        EXPECT_EQ(k.turnWork().BestScore, t.turnWork().BestScore);
        EXPECT_EQ(k.turnWork().MoverKingDistance, t.turnWork().MoverKingDistance);
        EXPECT_EQ(k.state().Turn, k.state().HumanSide);
        EXPECT_EQ(t.state().Turn, t.state().HumanSide);
    }

    // A move the click path refuses is not committed.
    Harness h;
    runCommand(h.game, Menu::SENTE);
    EXPECT_EQ(cli::commitLower(h.game, cli::LowerMove{{14, 18, 14, 16, -30, -30}, 0}), -1);  // a pawn two steps
    EXPECT_EQ(cli::commitLower(h.game, cli::LowerMove{{29, 21, 14, 15, -30, -30}, 0}), -1);  // an empty hand slot
    EXPECT_EQ(h.game.moveHistory().RecordCount, 0);
}

}  // namespace orizen::test
