// The computer's turn: candidate order, promotion, early stops, what it plays and announces.
#include <gtest/gtest.h>

#include "search.h"

namespace orizen::test {

namespace {

// A game against the computer, the computer to move, on a position built by hand.
void computerToMove(Harness& h, std::initializer_list<Piece> pieces, Row<int, 8> upper = {}, Row<int, 8> lower = {}) {
    Game& g = h.game;
    runCommand(g, Menu::SENTE);
    setUp(g, pieces, upper, lower);
    g.arrangeFlow().Turn = g.state().OtherSide;
    h.host.boxes.clear();
    h.canvas.clear();
    h.played();
}

bool drew(const RecordingCanvas& c, const std::string& text) {
    for (const auto& op : c.texts())
        if (op.text == text) return true;
    return false;
}

}  // namespace

// The upper king stands next to a guarded lower dragon: whatever the computer does, the king stays
// attacked. The first candidate is played, and unpromoted, as both forms tie at -9998.
TEST(Turn, EveryMoveLosesThenTheFirstCandidateIsPlayedUnpromoted) {
    Harness h;
    Game& g = h.game;
    computerToMove(h, {{27, 1, 950}, {26, 2, -901}, {25, 3, -110}, {14, 27, -950}, {5, 18, 100}});
    const Scored s = search(g);
    ASSERT_FALSE(s.all.empty());
    for (const auto& c : s.all) EXPECT_EQ(c.score, -9998);
    EXPECT_EQ(s.all[0].move.after, 100);
    EXPECT_EQ(s.all[1].move.after, 101);
    EXPECT_EQ(s.choice.move.fx, 5);
    EXPECT_EQ(s.choice.move.fy, 18);
    EXPECT_EQ(s.choice.move.tx, 4);
    EXPECT_EQ(s.choice.move.ty, 17);
    EXPECT_EQ(s.choice.move.after, 100);

    g.com_ban();
    EXPECT_EQ(g.position().Board(4, 17), 100);
    EXPECT_EQ(g.position().Board(5, 18), EMPTY);
    EXPECT_EQ(g.moveHistory().RecordCount, 1);
    EXPECT_EQ(g.moveHistory().RecFromX(1), 5);
    EXPECT_EQ(g.moveHistory().RecResult(1), 100);
    EXPECT_EQ(g.state().MoveNumber, 1);
    EXPECT_EQ(g.state().Turn, g.state().HumanSide);
    EXPECT_TRUE(h.host.boxes.empty());
    EXPECT_TRUE(drew(h.canvas, "思考中"));
    EXPECT_EQ(lastOutline(h.canvas, 4, 17), COLOUR_WHITE);
    EXPECT_EQ(h.played(), std::vector<std::intptr_t>{g.soundHandles().SoundPiece});
}

TEST(Turn, PromotionIsScoredBothWaysUnlessThePieceWouldBeStuck) {
    Harness h(false);
    Game& g = h.game;
    setUp(g, {{27, 1, 950}, {1, 27, -950}, {5, 26, 30}, {8, 24, 50}, {10, 20, 40}});
    const Scored s = search(g);
    auto afters = [&](int fx, int fy, int tx, int ty) {
        std::vector<int> r;
        for (const auto* c : s.of(fx, fy, tx, ty)) r.push_back(c->move.after);
        return r;
    };
    EXPECT_EQ(afters(5, 26, 5, 27), std::vector<int>{31});
    EXPECT_EQ(afters(8, 24, 7, 26), std::vector<int>{51});
    EXPECT_EQ(afters(8, 24, 9, 26), std::vector<int>{51});
    EXPECT_EQ(afters(10, 20, 10, 27), std::vector<int>{41});
    EXPECT_EQ(afters(10, 20, 10, 26), (std::vector<int>{40, 41}));
    EXPECT_EQ(afters(10, 20, 10, 21), (std::vector<int>{40, 41}));
}

TEST(Turn, WithNothingToMoveTheComputerLoses) {
    Harness h;
    Game& g = h.game;
    computerToMove(h, {{14, 27, -950}, {3, 3, -30}}, {}, hand(2, 0, 0, 0, 0, 0, 0));
    EXPECT_FALSE(search(g).choice.found);
    h.host.answers = {Answer::Yes};
    g.com_ban();
    EXPECT_EQ(h.host.texts(), (std::vector<std::string>{"あなたの勝ちです", "続けますか？"}));
    EXPECT_EQ(g.moveHistory().RecordCount, 0);
    EXPECT_EQ(g.state().Turn, NO_GAME);
}

TEST(Turn, TakingTheKingEndsTheGameWithoutTheMateTest) {
    Harness h;
    Game& g = h.game;
    computerToMove(h, {{14, 1, 950}, {14, 27, -950}, {14, 26, 110}, {1, 26, -110}});
    h.host.answers = {Answer::No};
    g.com_ban();
    EXPECT_EQ(h.host.texts(), (std::vector<std::string>{"ｺﾝﾋﾟｭｰﾀの勝ちです", "続けますか？"}));
    EXPECT_EQ(g.state().Winner, g.state().OtherSide);
    EXPECT_TRUE(g.state().Ended);
}

TEST(Turn, AMateIsAnnouncedAndPlayGoesOn) {
    Harness h;
    Game& g = h.game;
    computerToMove(h, {{14, 1, 950}, {1, 27, -950}, {1, 25, 110}, {3, 26, 100}}, hand(0, 0, 0, 0, 1, 0, 0));
    g.com_ban();
    EXPECT_EQ(g.position().Board(1, 26), 110);
    EXPECT_EQ(g.position().HandUpper(5), 0);
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].text, "よし！!");
    EXPECT_EQ(h.host.boxes[0].title, "詰め ?");
    EXPECT_EQ(h.host.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(g.state().Turn, g.state().HumanSide);
    EXPECT_TRUE(drew(h.canvas, "金"));
}

TEST(Turn, ACheckIsAnnounced) {
    Harness h;
    Game& g = h.game;
    // Taking the undefended gold on the king's file checks; the pawn in hand keeps it from mate.
    computerToMove(h, {{14, 1, 950}, {14, 27, -950}, {14, 10, 900}, {14, 20, -110}}, {}, hand(1, 0, 0, 0, 0, 0, 0));
    g.com_ban();
    EXPECT_EQ(g.position().Board(14, 20), 901);
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].text, "   ** 王手 **");
    EXPECT_EQ(h.host.boxes[0].title, "");
}

TEST(Turn, AFullHistoryKeepsTheComputerFromMoving) {
    Harness h;
    Game& g = h.game;
    computerToMove(h, {{14, 1, 950}, {14, 27, -950}, {5, 5, 110}});
    g.arrangeHistory().RecordCount = g.arrangeHistory().RecordLength = HISTORY_MAX;
    const Position before = snapshot(g);
    g.com_ban();
    EXPECT_EQ(snapshot(g), before);
    EXPECT_EQ(g.state().MoveNumber, 0);
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].text, "棋譜は500手までです。これ以上指せません");
    EXPECT_EQ(h.host.boxes[0].title, "手数");
    EXPECT_EQ(g.state().Turn, g.state().HumanSide);
}

// Two games with the same moves reach the same choices and leave the same maps behind, the maps
// that no survey clears included (the next turns read them).
TEST(Turn, SamePositionAndHistoryGiveTheSameMove) {
    Harness a, b;
    for (Harness* h : {&a, &b}) {
        runCommand(h->game, Menu::SENTE);
        play(*h, 14, 18, 14, 17);
        play(*h, 9, 23, 10, 22);
        play(*h, 5, 18, 5, 17);
    }
    EXPECT_EQ(snapshot(a.game), snapshot(b.game));
    EXPECT_EQ(a.game.moveHistory().RecordCount, 6);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(a.game.moveHistory().RecFromX(n), b.game.moveHistory().RecFromX(n));
        EXPECT_EQ(a.game.moveHistory().RecToY(n), b.game.moveHistory().RecToY(n));
        EXPECT_EQ(a.game.moveHistory().RecResult(n), b.game.moveHistory().RecResult(n));
    }
    EXPECT_TRUE(a.game.remembered() == b.game.remembered());
    EXPECT_EQ(a.game.turnWork().MoverKingDistance, b.game.turnWork().MoverKingDistance);
}

}  // namespace orizen::test
