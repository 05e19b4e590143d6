// Board evaluation and danger squares, seen through the scores the search gives its candidates.
#include <gtest/gtest.h>

#include "search.h"

namespace orizen::test {

// Lower king in the corner; an upper gold and silver cover every square around it.
void cornerMate(Game& g, Row<int, 8> upper, std::initializer_list<Piece> more = {}) {
    std::vector<Piece> pieces{{14, 1, 950}, {1, 27, -950}, {1, 25, 110}, {3, 26, 100}};
    pieces.insert(pieces.end(), more.begin(), more.end());
    g.arrange().pos.Board.fill(EMPTY);
    for (const Piece& p : pieces) g.arrange().pos.Board(p.x, p.y) = static_cast<int16_t>(p.code);
    g.arrange().pos.HandUpper = upper;
    g.arrange().pos.HandLower = {};
    g.arrange().pos.UpperHandCount = handSum(upper);
    g.arrange().pos.LowerHandCount = 0;
    g.勢力調査();
}

TEST(Evaluation, TakingTheLowerKingScores9999AndEndsTheSearchAtOnce) {
    Harness h(false);
    Game& g = h.game;
    // Both golds can take the king; the first in candidate order does, the second is never tried.
    setUp(g, {{14, 1, 950}, {14, 27, -950}, {14, 26, 110}, {15, 26, 110}, {20, 10, 100}, {2, 27, -900}},
          hand(1, 0, 0, 0, 0, 0, 0));
    const Scored s = search(g);
    ASSERT_TRUE(s.choice.found);
    EXPECT_EQ(s.choice.move.fx, 14);
    EXPECT_EQ(s.choice.move.fy, 26);
    EXPECT_EQ(s.choice.move.tx, 14);
    EXPECT_EQ(s.choice.move.ty, 27);
    EXPECT_EQ(s.choice.score, 9999);
    ASSERT_FALSE(s.all.empty());
    EXPECT_EQ(s.all.back().move.fx, 14);
    EXPECT_EQ(s.all.back().move.ty, 27);
    EXPECT_TRUE(s.of(15, 26, 14, 27).empty());
    EXPECT_TRUE(s.of(-1, 1, 5, 5).empty());  // no drop is tried
}

TEST(Evaluation, MateScores9998ButAPawnMustNotGiveIt) {
    Harness h(false);
    Game& g = h.game;

    cornerMate(g, hand(1, 0, 0, 0, 0, 0, 0));
    Scored s = search(g);
    EXPECT_EQ(s.score(-1, 1, 1, 26, 30), -9998);
    EXPECT_FALSE(s.choice.move.tx == 1 && s.choice.move.ty == 26);
    EXPECT_LT(s.choice.score, 9998);

    // A gold dropped on the same square mates, and the drop ends the search.
    cornerMate(g, hand(0, 0, 0, 0, 1, 0, 0));
    s = search(g);
    EXPECT_EQ(s.choice.move.fx, -1);
    EXPECT_EQ(s.choice.move.fy, 5);
    EXPECT_EQ(s.choice.move.tx, 1);
    EXPECT_EQ(s.choice.move.ty, 26);
    EXPECT_EQ(s.choice.score, 9998);
    EXPECT_EQ(s.all.back().move.tx, 1);
    EXPECT_EQ(s.all.back().move.ty, 26);

    // A knight's check that leaves the king no safe square scores 9998 too.
    cornerMate(g, hand(0, 0, 1, 0, 0, 0, 0));
    s = search(g);
    EXPECT_EQ(s.score(-1, 3, 2, 25, 50), 9998);
}

// A board move that mates first: a later drop that mates again does not improve the best score,
// so the drops go on to the end.
TEST(Evaluation, OnlyADropThatImprovesToAMateStopsTheDrops) {
    Harness h(false);
    Game& g = h.game;
    cornerMate(g, hand(0, 0, 0, 0, 1, 0, 0), {{3, 23, 50}});
    const Scored s = search(g);
    EXPECT_EQ(s.choice.move.fx, 3);
    EXPECT_EQ(s.choice.move.fy, 23);
    EXPECT_EQ(s.choice.move.tx, 2);
    EXPECT_EQ(s.choice.move.ty, 25);
    EXPECT_EQ(s.choice.score, 9998);
    EXPECT_EQ(s.score(-1, 5, 1, 26, 110), 9998);
    int drops = 0;
    for (const auto& c : s.all) drops += c.move.fx == -1;
    EXPECT_EQ(drops, 27 * 27 - 5);  // every empty square
}

TEST(Evaluation, LeavingTheUpperKingAttackedScoresMinus9998) {
    Harness h(false);
    Game& g = h.game;
    // The lower rook holds the upper king's file; a gold that does not step into it loses.
    setUp(g, {{14, 1, 950}, {14, 27, -950}, {14, 9, -900}, {20, 5, 110}, {15, 5, 110}});
    const Scored s = search(g);
    int golds = 0;
    for (const auto& c : s.all) {
        if (c.move.fy != 5) continue;
        ++golds;
        if (c.move.tx == 14)
            EXPECT_GT(c.score, -9998) << c.move.fx << ' ' << c.move.tx << ' ' << c.move.ty;
        else
            EXPECT_EQ(c.score, -9998) << c.move.fx << ' ' << c.move.tx << ' ' << c.move.ty;
    }
    EXPECT_EQ(golds, 12);
}

// A capture of an undefended rook on an unattacked square: its value counts from level 2, the
// gold's own term from level 3.
TEST(Evaluation, LevelsAddTheirTermGroups) {
    Harness h(false);
    Game& g = h.game;
    double score[4];
    for (int level = 1; level <= 3; ++level) {
        setUp(g, {{14, 1, 950}, {14, 27, -950}, {5, 10, 110}, {6, 11, -900}});
        g.arrange().settings.ComputerLevel = level;
        score[level] = search(g).score(5, 10, 6, 11, 110);
    }
    // Level 2: one step nearer the king's rank (0.1), then the rook's value.
    EXPECT_EQ(score[2], score[1] + 0.1 + 900);
    // Level 3: a gold that steps diagonally forward.
    EXPECT_EQ(score[3], score[2] - 0.5);
}

TEST(Evaluation, PromotionScoresTenMoreBeforeAnyOtherTerm) {
    Harness h(false);
    Game& g = h.game;
    setUp(g, {{27, 1, 950}, {1, 27, -950}, {20, 17, 100}});
    g.arrange().settings.ComputerLevel = 1;
    const Scored s = search(g);
    const auto both = s.of(20, 17, 20, 18);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0]->move.after, 100);  // unpromoted first
    EXPECT_EQ(both[1]->move.after, 101);
    EXPECT_EQ(both[1]->score, both[0]->score + 10);
}

// The placed piece, not attacked itself, could take two unguarded lower pieces next.
TEST(Danger, AForkEarnsATenthForEachPieceAndTheCheaperValue) {
    Harness h(false);
    Game& g = h.game;
    setUp(g, {{14, 1, 950}, {14, 27, -950}, {9, 12, -100}, {11, 12, -110}}, hand(0, 0, 1, 0, 0, 0, 0));
    search(g);  // the turn's snapshots
    g.arrange().pos.Board(10, 10) = 50;
    g.勢力調査();
    const double fork = g.盤評価_COM危険座標(50, 10, 10);
    const double none = g.盤評価_COM危険座標(50, 20, 20);  // nothing to take from there
    EXPECT_NEAR(fork - none, 0.1 + 0.1 + 100, 1e-9);

    // Attacked where it stands, the knight forks nothing.
    g.arrange().pos.Board(10, 11) = -30;
    g.勢力調査();
    EXPECT_EQ(g.盤評価_COM危険座標(50, 10, 10), g.盤評価_COM危険座標(50, 20, 20));
}

}  // namespace orizen::test
