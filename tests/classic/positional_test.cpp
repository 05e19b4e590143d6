// Positional surveys and the bishop caution: the quick walks against their plain definitions on
// random positions, and the bounds of the small surveys.
#include <gtest/gtest.h>

#include <random>

#include "headless.h"

namespace orizen::test {

namespace {

constexpr int kCodes[] = {30, 31, 40, 41, 50, 51, 100, 101, 110, 800, 801, 900, 901, 950};

void randomBoard(Game& g, std::mt19937& rng, int pieces) {
    g.arrange().pos.Board.fill(EMPTY);
    std::uniform_int_distribution<int> sq(1, 27), code(0, 13), side(0, 1);
    for (int i = 0; i < pieces; ++i) {
        const int c = kCodes[code(rng)];
        g.arrange().pos.Board(sq(rng), sq(rng)) = int16_t(side(rng) ? c : -c);
    }
    g.勢力調査();
}

// The count as defined: every square the move check allows and the other side does not reach.
int movableByDefinition(const Game& g, int x, int y, int piece) {
    int n = 0;
    for (int i = 1; i <= 27; ++i)
        for (int j = 1; j <= 27; ++j)
            if (g.移動チェック(x, y, i, j, piece) == YES &&
                (piece >= 30 ? g.survey().LowerInfluence(i, j) : g.survey().UpperInfluence(i, j)) == 0)
                ++n;
    return n;
}

// The caution as defined: the first marked square a lower bishop or horse on (tx, ty) reaches.
int cautionByDefinition(Game& g, int tx, int ty, int placed) {
    for (int a = 1; a <= 27; ++a)
        for (int b = 1; b <= 27; ++b) {
            if (g.turnWork().BishopTargets(a, b) != 1) continue;
            if (g.移動チェック(tx, ty, a, b, -800) != YES && g.移動チェック(tx, ty, a, b, -801) != YES) continue;
            for (int i = 1; i <= 27; ++i)
                for (int j = 1; j <= 27; ++j) {
                    const int p = g.position().Board(i, j);
                    if ((p == -800 || p == -801) && g.移動チェック(i, j, a, b, p) == YES) return placed;
                }
            if (g.position().HandLower(6) > 0 && g.移動チェック(-1, 6, a, b, -800) == YES) return placed;
            return 0;
        }
    return 0;
}

}  // namespace

TEST(Positional, MovableSquaresAsDefined) {
    std::mt19937 rng(11);
    Bare b;
    for (int round = 0; round < 12; ++round) {
        randomBoard(b.g, rng, 40 + 15 * round);
        for (int x = 0; x <= 27; ++x)
            for (int y = 0; y <= 27; ++y)
                for (int c : {30, 40, 50, 100, 110, 31, 800, 801, 900, 901, 950, 111}) {
                    if ((x * 28 + y + c) % 5 != round % 5) continue;  // a fifth of them each round
                    for (int piece : {c, -c})
                        ASSERT_EQ(b.g.調査_移動可場所数(x, y, piece), movableByDefinition(b.g, x, y, piece))
                            << x << ' ' << y << ' ' << piece;
                }
    }
}

TEST(Positional, BishopCautionAsDefined) {
    std::mt19937 rng(12);
    Bare b;
    int answered = 0;
    for (int round = 0; round < 40; ++round) {
        randomBoard(b.g, rng, 30 + 3 * round);
        b.g.arrange().pos.Board(14, 1 + round % 5) = 950;
        b.g.arrange().pos.HandLower(6) = round % 3 == 0;
        b.g.勢力調査();
        b.g.調査_持角狙座標();
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y) {
                const int expected = cautionByDefinition(b.g, x, y, 110);
                ASSERT_EQ(b.g.盤評価_自角注意_COM(x, y, 110), expected) << round << ' ' << x << ' ' << y;
                answered += expected != 0;
            }
    }
    EXPECT_GT(answered, 50);
}

TEST(Positional, SmallSurveysKeepToTheirBounds) {
    Bare b;
    Game& g = b.g;
    // Surroundings of a corner: three neighbours only.
    b.put({{2, 1, 900}, {1, 2, 800}, {2, 2, 950}, {3, 3, 901}});
    EXPECT_EQ(g.調査_周辺状況(1, 1), -3);
    EXPECT_EQ(g.調査_周辺状況(2, 2), -3);

    // A lower lance behind (5, 3) on its file up to row 9; an upper piece between stops it.
    g.arrange().pos.Board.fill(EMPTY);
    b.put({{5, 3, -30}, {5, 7, -40}});
    const Cells before = g.position().Board;
    EXPECT_EQ(g.調査_自守駒MAN_直進駒(5, 3), YES);
    EXPECT_EQ(g.position().Board, before);
    g.arrange().pos.Board(5, 5) = 30;
    EXPECT_EQ(g.調査_自守駒MAN_直進駒(5, 3), NO);
    g.arrange().pos.Board(5, 5) = -30;  // a lower piece between: the scan goes on, but the lance cannot pass
    EXPECT_EQ(g.調査_自守駒MAN_直進駒(5, 3), NO);
    g.arrange().pos.Board(5, 5) = EMPTY;
    g.arrange().pos.Board(5, 7) = EMPTY;
    g.arrange().pos.Board(5, 10) = -900;  // below row 9
    EXPECT_EQ(g.調査_自守駒MAN_直進駒(5, 3), NO);

    // Knight aim: a lower rook takes the pawn on (2, 12); a knight dropped on (3, 10) hits the
    // rook on (4, 12); the edge leaves no room on the left.
    g.arrange().pos.Board.fill(EMPTY);
    b.put({{2, 12, 30}, {2, 20, -900}, {4, 12, -900}, {14, 1, 950}, {14, 27, -950}});
    g.勢力調査();
    EXPECT_EQ(g.survey().LowerAttacker(2, 12), -900);
    EXPECT_EQ(g.調査_桂狙い(2, 12), 900);
    g.arrange().pos.Board(3, 10) = 30;  // the knight's square taken
    EXPECT_EQ(g.調査_桂狙い(2, 12), 0);

    // Lance aim needs the pawn below row 6.
    g.arrange().pos.Board.fill(EMPTY);
    b.put({{5, 6, 30}, {5, 5, 110}, {5, 20, -900}, {5, 8, -100}});
    g.勢力調査();
    EXPECT_EQ(g.調査_香狙い(5, 6), 0);
}

}  // namespace orizen::test
