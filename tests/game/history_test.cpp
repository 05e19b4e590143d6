// Move history: "戻", "進", "最初", "反転", the resume after a pause, the 500-move bound and
// entries that do not fit the position.
#include <gtest/gtest.h>

#include <tuple>

#include "play.h"

namespace orizen::test {


// Random two-person games played click by click, then taken back to the opening array and
// replayed to the end, the position checked against the one recorded at every step.
TEST(History, RandomGamesStepBackToTheOpeningAndForwardToTheEnd) {
    std::mt19937 rng(20240611);
    int drops[2] = {}, promotions = 0, promotedTaken = 0, captures = 0;
    for (int game = 0; game < 4; ++game) {
        Harness h;
        Game& g = h.game;
        runCommand(g, Menu::START);
        std::vector<Position> seen{snapshot(g)};
        const int plies = 240;
        for (int ply = 1; ply <= plies; ++ply) {
            const auto all = candidates(g, rng);
            ASSERT_FALSE(all.empty());
            const Candidate c = choose(all, rng);
            const int captured = g.position().Board(c.tx, c.ty);
            const bool lower = g.state().Turn == g.state().HumanSide;
            h.click(c.fx, c.fy);
            h.click(c.tx, c.ty, c.button);
            ASSERT_EQ(g.moveHistory().RecordCount, ply)
                << "move " << c.fx << "," << c.fy << " -> " << c.tx << "," << c.ty;
            ASSERT_TRUE(totalsMatchHands(g));
            seen.push_back(snapshot(g));
            drops[lower] += c.drop;
            promotions += c.promotes;
            captures += c.capture;
            promotedTaken += kindOf(captured) != 0 && captured != (captured > 0 ? 1 : -1) * kHandCode[kindOf(captured)];
            h.canvas.clear();
        }
        const Position end = snapshot(g);
        for (int n = plies - 1; n >= 0; --n) {
            runCommand(g, Menu::REPLAY);
            ASSERT_EQ(g.moveHistory().RecordCount, n);
            ASSERT_EQ(snapshot(g), seen[n]) << "after taking back to move " << n;
            ASSERT_TRUE(totalsMatchHands(g));
            h.canvas.clear();
        }
        EXPECT_EQ(g.position().Board, Harness().game.position().Board);
        EXPECT_EQ(g.position().LowerHandCount + g.position().UpperHandCount, 0);
        EXPECT_EQ(g.state().Turn, NO_GAME);
        h.host.boxes.clear();
        runCommand(g, Menu::REPLAY);
        EXPECT_EQ(h.host.texts(), std::vector<std::string>{"できません"});

        for (int n = 1; n <= plies; ++n) {
            runCommand(g, Menu::AFTER);
            ASSERT_EQ(g.moveHistory().RecordCount, n);
            ASSERT_EQ(snapshot(g), seen[n]) << "after stepping into move " << n;
            h.canvas.clear();
        }
        EXPECT_EQ(snapshot(g), end);
        EXPECT_EQ(g.state().MoveNumber, plies);
        h.host.boxes.clear();
        runCommand(g, Menu::AFTER);
        ASSERT_EQ(h.host.boxes.size(), 1u);
        EXPECT_EQ(h.host.boxes[0].text, "できません");
        EXPECT_EQ(h.host.boxes[0].title, "進む");
    }
    // The games did exercise what the history has to undo.
    EXPECT_GT(drops[0], 0);
    EXPECT_GT(drops[1], 0);
    EXPECT_GT(promotions, 0);
    EXPECT_GT(promotedTaken, 0);
    EXPECT_GT(captures, 20);
}

TEST(History, TakingBackACaptureAPromotionAndDropsBySides) {
    Harness h;
    Game& g = h.game;
    clearPosition(g);
    g.arrange().pos.Board(10, 12) = -800;
    g.arrange().pos.Board(7, 9) = 100;
    g.arrange().pos.Board(20, 20) = 900;
    g.arrange().pos.HandLower(2) = 1, g.arrange().pos.LowerHandCount = 1;
    g.arrange().pos.HandUpper(6) = 2, g.arrange().pos.UpperHandCount = 2;
    runCommand(g, Menu::START);
    const Position start = snapshot(g);
    h.played();

    play(h, 10, 12, 7, 9, RIGHT_BUTTON);  // takes the silver and promotes
    EXPECT_EQ(g.position().Board(7, 9), -801);
    EXPECT_EQ(g.position().HandLower(4), 1);
    const Position afterTake = snapshot(g);
    h.host.boxes.clear();
    h.canvas.clear();
    runCommand(g, Menu::REPLAY);
    EXPECT_TRUE(h.host.boxes.empty());
    int erased = 0;  // the lower side's last-move text is painted over with the background
    for (const auto& op : h.canvas.ops)
        erased += op.kind == RecordingCanvas::Kind::Picture && op.code == g.options().BackgroundKind &&
                  op.Y == cellY(LowerResultY + 0.3) && op.X >= cellX(LowerResultX);
    EXPECT_EQ(erased, 5);
    EXPECT_EQ(lastOutline(h.canvas, -1, 7), g.options().BackColourIndex);
    EXPECT_EQ(g.position().Board(10, 12), -800);  // unpromoted again
    EXPECT_EQ(g.position().Board(7, 9), 100);
    EXPECT_EQ(g.position().HandLower(4), 0);
    EXPECT_EQ(g.position().LowerHandCount, 1);
    EXPECT_EQ(g.state().MoveNumber, 0);
    EXPECT_EQ(g.moveHistory().RecordCount, 0);
    EXPECT_EQ(g.state().Turn, NO_GAME);
    EXPECT_EQ(snapshot(g), start);
    EXPECT_EQ(h.played(), (Played{3, 3}));
    runCommand(g, Menu::AFTER);
    EXPECT_EQ(snapshot(g), afterTake);

    // Resume (the lower side moved last, so the second player moves), then drops by both sides.
    h.host.boxes.clear();
    h.click(20, 20);
    EXPECT_EQ(h.host.texts(), std::vector<std::string>{"OKですか？"});
    EXPECT_EQ(h.host.boxes[0].title, "再開");
    EXPECT_EQ(g.state().Turn, TURN_SECOND);
    dropUpper(h, 6, 3, 3);
    dropLower(h, 2, 3, 20);
    EXPECT_EQ(g.position().Board(3, 3), 800);
    EXPECT_EQ(g.position().Board(3, 20), -40);
    EXPECT_EQ(g.position().UpperHandCount, 1);
    EXPECT_EQ(g.position().LowerHandCount, 1);  // the silver
    runCommand(g, Menu::REPLAY);
    EXPECT_EQ(g.position().Board(3, 20), EMPTY);
    EXPECT_EQ(g.position().HandLower(2), 1);
    EXPECT_EQ(g.position().LowerHandCount, 2);
    runCommand(g, Menu::REPLAY);
    EXPECT_EQ(g.position().Board(3, 3), EMPTY);
    EXPECT_EQ(g.position().HandUpper(6), 2);
    EXPECT_EQ(g.position().UpperHandCount, 2);
    EXPECT_EQ(snapshot(g), afterTake);

    // Resume with the upper side's move last: the first player is to move.
    runCommand(g, Menu::AFTER);
    h.click(1, 1);
    EXPECT_EQ(g.state().Turn, TURN_FIRST);
    // A new move cuts off the move that could have been stepped into.
    EXPECT_EQ(g.moveHistory().RecordLength, 3);
    play(h, 7, 9, 7, 8);
    EXPECT_EQ(g.moveHistory().RecordCount, 3);
    EXPECT_EQ(g.moveHistory().RecordLength, 3);
    EXPECT_EQ(g.moveHistory().RecPiece(3), -801);
    h.host.boxes.clear();
    runCommand(g, Menu::AFTER);
    EXPECT_EQ(h.host.texts(), std::vector<std::string>{"できません"});
}

// Against the computer, a resume after the person's move hands the turn to the computer, which
// gives it back.
TEST(History, ResumingAgainstTheComputer) {
    Harness h;
    Game& g = h.game;
    runCommand(g, Menu::SENTE);
    play(h, 9, 18, 9, 17);
    if (g.moveHistory().RecordCount == 1) play(h, 10, 18, 10, 17);  // no answer from the computer: the person again
    ASSERT_EQ(g.moveHistory().RecordCount, 2);
    runCommand(g, Menu::REPLAY);
    ASSERT_LT(g.moveHistory().RecResult(1), 0);
    h.host.boxes.clear();
    h.click(1, 1);
    EXPECT_EQ(h.host.boxes.at(0).text, "OKですか？");
    EXPECT_EQ(g.state().Turn, g.state().HumanSide);
    EXPECT_EQ(g.state().GameMode, MODE_COMPUTER);
}

TEST(History, TheCapturedKingCountsOnlyInTheTotal) {
    Harness h;
    Game& g = h.game;
    clearPosition(g);
    g.arrange().pos.Board(14, 5) = -900;
    g.arrange().pos.HandLower(1) = 2, g.arrange().pos.LowerHandCount = 2;
    runCommand(g, Menu::START);
    h.host.answers = {Answer::Yes};
    play(h, 14, 5, 14, 1);
    ASSERT_EQ(g.state().Turn, NO_GAME);  // played again: the opening array
    EXPECT_EQ(g.moveHistory().RecordLength, 1);

    // The old game no longer fits the board; stepping into it is refused and changes nothing.
    const Position opening = snapshot(g);
    h.host.boxes.clear();
    h.played();
    runCommand(g, Menu::AFTER);
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].text, "棋譜のデータが正しくありません");
    EXPECT_EQ(h.host.boxes[0].title, "進む");
    EXPECT_EQ(h.played(), Played{2});
    EXPECT_EQ(snapshot(g), opening);
    EXPECT_EQ(g.moveHistory().RecordCount, 0);

    // On the position it was made from, the king capture steps in and back.
    clearPosition(g);
    g.arrange().pos.Board(14, 5) = -900;
    g.arrange().pos.HandLower(1) = 2, g.arrange().pos.LowerHandCount = 2;
    runCommand(g, Menu::AFTER);
    EXPECT_EQ(g.position().Board(14, 1), -900);
    EXPECT_EQ(g.position().HandLower(1), 2);
    EXPECT_EQ(g.position().LowerHandCount, 3);
    runCommand(g, Menu::REPLAY);
    EXPECT_EQ(g.position().Board(14, 1), 950);
    EXPECT_EQ(g.position().Board(14, 5), -900);
    EXPECT_EQ(g.position().LowerHandCount, 2);
    runCommand(g, Menu::AFTER);
    // A click now has no game to resume: the moves belong to the game that ended.
    h.host.boxes.clear();
    h.click(14, 5);
    EXPECT_EQ(h.host.texts(), std::vector<std::string>{"「対局」で始めて下さい"});
    EXPECT_EQ(g.state().Turn, NO_GAME);
}

TEST(History, ReversingTurnsTheBoardAndDropsTheHistory) {
    Harness h;
    Game& g = h.game;
    runCommand(g, Menu::START);
    play(h, 9, 18, 9, 17);
    play(h, 9, 10, 9, 11);
    play(h, 2, 26, 8, 20);
    g.arrange().pos.HandLower(3) = 1, g.arrange().pos.LowerHandCount = 1;  // something to swap
    const Position before = snapshot(g);
    runCommand(g, Menu::REVERSE);
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) ASSERT_EQ(g.position().Board(28 - x, 28 - y), -before.board(x, y));
    EXPECT_EQ(g.position().HandUpper(3), 1);
    EXPECT_EQ(g.position().UpperHandCount, 1);
    EXPECT_EQ(g.position().LowerHandCount, 0);
    EXPECT_EQ(g.state().Reversed, YES);
    EXPECT_EQ(g.state().Turn, TURN_SECOND);  // the game goes on
    EXPECT_EQ(g.state().MoveNumber, 3);
    h.host.boxes.clear();
    runCommand(g, Menu::REPLAY);
    EXPECT_EQ(h.host.texts(), std::vector<std::string>{"できません"});
    EXPECT_EQ(h.host.boxes[0].title, "戻る");

    g.arrangeFlow().RecordMode = YES;
    const Position reversed = snapshot(g);
    runCommand(g, Menu::REVERSE);
    EXPECT_EQ(h.host.boxes.back().text, "棋譜ﾓｰﾄﾞではできません");
    EXPECT_EQ(h.host.boxes.back().title, "反転");
    EXPECT_EQ(snapshot(g), reversed);

    // "最初" starts everything afresh.
    runCommand(g, Menu::CANCEL);
    EXPECT_EQ(g.position().Board, Harness().game.position().Board);
    EXPECT_EQ(g.state().Reversed, NO);
    EXPECT_EQ(g.state().RecordMode, NO);
    EXPECT_EQ(g.state().MoveNumber, 0);
    EXPECT_EQ(g.moveHistory().RecordLength, 0);
    EXPECT_EQ(g.state().Turn, NO_GAME);
}

// Entries that do not fit the position (as a damaged record could hold) are refused, and the
// position, the hands and the history stay as they were.
TEST(History, EntriesThatDoNotFitThePositionAreRefused) {
    Harness h;
    Game& g = h.game;
    runCommand(g, Menu::START);
    play(h, 9, 18, 9, 17);
    play(h, 9, 10, 9, 11);
    const Position now = snapshot(g);

    struct Damage {
        const char* what;
        void (*apply)(Game&);
    };
    const Damage backward[] = {
        {"destination off the board", [](Game& x) { x.arrangeHistory().RecToX(2) = 28; }},
        {"destination far off", [](Game& x) { x.arrangeHistory().RecToY(2) = -40000; }},
        {"source off the board", [](Game& x) { x.arrangeHistory().RecFromX(2) = 0; }},
        {"source is no hand", [](Game& x) { x.arrangeHistory().RecFromX(2) = 30; }},
        {"source square taken",
         [](Game& x) { x.arrangeHistory().RecFromX(2) = 8, x.arrangeHistory().RecFromY(2) = 10; }},
        {"no such piece", [](Game& x) { x.arrangeHistory().RecPiece(2) = 111, x.arrangeHistory().RecResult(2) = 111; }},
        {"result is not the piece", [](Game& x) { x.arrangeHistory().RecResult(2) = 110; }},
        {"capture from an empty hand", [](Game& x) { x.arrangeHistory().RecCaptured(2) = -800; }},
        {"capture of its own side", [](Game& x) { x.arrangeHistory().RecCaptured(2) = 40; }},
        {"drop into the wrong hand", [](Game& x) { x.arrangeHistory().RecFromX(2) = 29; }},
        {"count past the history", [](Game& x) { x.arrangeHistory().RecordCount = HISTORY_MAX + 1; }},
    };
    for (const Damage& d : backward) {
        const auto saved = std::make_tuple(g.moveHistory().RecFromX, g.moveHistory().RecFromY, g.moveHistory().RecToX,
                                           g.moveHistory().RecToY, g.moveHistory().RecPiece, g.moveHistory().RecResult,
                                           g.moveHistory().RecCaptured, g.moveHistory().RecordCount);
        d.apply(g);
        h.host.boxes.clear();
        runCommand(g, Menu::REPLAY);
        ASSERT_EQ(h.host.boxes.size(), 1u) << d.what;
        EXPECT_EQ(h.host.boxes[0].text, "棋譜のデータが正しくありません") << d.what;
        EXPECT_EQ(h.host.boxes[0].title, "戻る");
        EXPECT_EQ(snapshot(g), now) << d.what;
        EXPECT_EQ(g.state().MoveNumber, 2) << d.what;
        std::tie(g.arrangeHistory().RecFromX, g.arrangeHistory().RecFromY, g.arrangeHistory().RecToX,
                 g.arrangeHistory().RecToY, g.arrangeHistory().RecPiece, g.arrangeHistory().RecResult,
                 g.arrangeHistory().RecCaptured, g.arrangeHistory().RecordCount) = saved;
    }
    runCommand(g, Menu::REPLAY);
    runCommand(g, Menu::REPLAY);
    ASSERT_EQ(g.moveHistory().RecordCount, 0);
    const Position opening = snapshot(g);

    const Damage forward[] = {
        {"source does not hold the piece", [](Game& x) { x.arrangeHistory().RecFromY(1) = 19; }},
        {"destination does not hold the captured piece", [](Game& x) { x.arrangeHistory().RecCaptured(1) = 30; }},
        {"drop from an empty hand",
         [](Game& x) { x.arrangeHistory().RecFromX(1) = 29, x.arrangeHistory().RecFromY(1) = 21; }},
        {"drop of a promoted piece",
         [](Game& x) {
             x.arrangeHistory().RecFromX(1) = 29,
             x.arrangeHistory().RecPiece(1) = x.arrangeHistory().RecResult(1) = -31;
         }},
        {"drop of a king",
         [](Game& x) {
             x.arrangeHistory().RecFromX(1) = 29,
             x.arrangeHistory().RecPiece(1) = x.arrangeHistory().RecResult(1) = -950;
         }},
        {"promotion of a gold",
         [](Game& x) { x.arrangeHistory().RecPiece(1) = -110, x.arrangeHistory().RecResult(1) = -111; }},
        {"length past the history",
         [](Game& x) {
             x.arrangeHistory().RecordCount = HISTORY_MAX, x.arrangeHistory().RecordLength = HISTORY_MAX + 5;
         }},
    };
    for (const Damage& d : forward) {
        const auto saved = std::make_tuple(g.moveHistory().RecFromX, g.moveHistory().RecFromY, g.moveHistory().RecPiece,
                                           g.moveHistory().RecResult, g.moveHistory().RecCaptured,
                                           g.moveHistory().RecordCount, g.moveHistory().RecordLength);
        d.apply(g);
        h.host.boxes.clear();
        runCommand(g, Menu::AFTER);
        ASSERT_EQ(h.host.boxes.size(), 1u) << d.what;
        EXPECT_EQ(h.host.boxes[0].text, "棋譜のデータが正しくありません") << d.what;
        EXPECT_EQ(h.host.boxes[0].title, "進む");
        EXPECT_EQ(snapshot(g), opening) << d.what;
        std::tie(g.arrangeHistory().RecFromX, g.arrangeHistory().RecFromY, g.arrangeHistory().RecPiece,
                 g.arrangeHistory().RecResult, g.arrangeHistory().RecCaptured, g.arrangeHistory().RecordCount,
                 g.arrangeHistory().RecordLength) = saved;
    }
    runCommand(g, Menu::AFTER);
    runCommand(g, Menu::AFTER);
    EXPECT_EQ(snapshot(g), now);
}

// The history holds 500 moves; the 501st is refused with a message and changes nothing.
TEST(History, TheFiveHundredAndFirstMoveIsRefused) {
    Harness h;
    Game& g = h.game;
    clearPosition(g);
    g.arrange().pos.Board(1, 20) = -110;
    g.arrange().pos.Board(27, 8) = 110;
    runCommand(g, Menu::START);
    for (int n = 1; n <= HISTORY_MAX; ++n) {
        const bool lower = n % 2 == 1;
        const int x = lower ? 1 : 27, from = (n - 1) / 2 % 2 == 0 ? (lower ? 20 : 8) : (lower ? 19 : 9);
        const int to = from == 20 ? 19 : from == 19 ? 20 : from == 8 ? 9 : 8;
        play(h, x, from, x, to);
        ASSERT_EQ(g.moveHistory().RecordCount, n);
        h.canvas.clear();
    }
    const Position full = snapshot(g);
    h.host.boxes.clear();
    h.played();
    play(h, 1, 20, 1, 19);
    EXPECT_EQ(h.played(), Played{2});
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].text, "棋譜は500手までです。これ以上指せません");
    EXPECT_EQ(snapshot(g), full);
    EXPECT_EQ(g.moveHistory().RecordCount, HISTORY_MAX);
    EXPECT_EQ(g.state().MoveNumber, HISTORY_MAX);
    EXPECT_EQ(g.selected().SelectState, 0);
    EXPECT_EQ(g.state().Turn, TURN_FIRST);
    EXPECT_FALSE(g.手順保存(1, 20, 1, 19, -110, -110));
    EXPECT_EQ(g.moveHistory().RecordLength, HISTORY_MAX);

    // Taking a move back makes room again.
    runCommand(g, Menu::REPLAY);
    h.click(1, 1);  // resume: the lower side moved last, so the upper side moves
    play(h, 27, 9, 27, 8);
    EXPECT_EQ(g.moveHistory().RecordCount, HISTORY_MAX);
    EXPECT_EQ(g.position().Board(27, 8), 110);

    // Whatever a caller passes, nothing is read or written out of place.
    g.arrangeHistory().RecordCount = 3;
    EXPECT_FALSE(g.手順保存(5, 5, 0, 5, 30, 30));
    EXPECT_FALSE(g.手順保存(5, 5, 5, 28, 30, 30));
    EXPECT_EQ(g.moveHistory().RecordCount, 3);
    g.arrangeHistory().RecordCount = -2;
    EXPECT_FALSE(g.手順保存(5, 5, 5, 6, 30, 30));
}

}  // namespace orizen::test
