// Movement rules: where each piece may go or be dropped, promotion, the two-pawn flags.
#include <gtest/gtest.h>

#include "play.h"

namespace orizen::test {

namespace {

struct Rules : ::testing::Test {
    Harness h{false};
    Game& g = h.game;
    void SetUp() override {
        g.初期設定();
        clearPosition(g);
    }
    int move(int sx, int sy, int tx, int ty) { return g.移動チェック(sx, sy, tx, ty, g.position().Board(sx, sy)); }
};

}  // namespace

TEST_F(Rules, LancesRunAlongTheirFileUntilBlocked) {
    g.arrange().pos.Board(5, 20) = -40;
    EXPECT_EQ(move(5, 20, 5, 11), YES);
    EXPECT_EQ(move(5, 20, 5, 1), YES);
    EXPECT_EQ(move(5, 20, 5, 21), NO);
    EXPECT_EQ(move(5, 20, 6, 19), NO);
    g.arrange().pos.Board(5, 18) = -110;
    EXPECT_EQ(move(5, 20, 5, 19), YES);
    EXPECT_EQ(move(5, 20, 5, 11), NO);
    EXPECT_EQ(move(5, 20, 5, 18), NO);  // its own piece
    g.arrange().pos.Board(5, 18) = 110;
    EXPECT_EQ(move(5, 20, 5, 18), YES);  // takes it
    EXPECT_EQ(move(5, 20, 5, 17), NO);

    g.arrange().pos.Board(20, 3) = 40;
    EXPECT_EQ(move(20, 3, 20, 27), YES);
    EXPECT_EQ(move(20, 3, 20, 2), NO);
}

TEST_F(Rules, KnightsJumpTwoForwardAndOneAside) {
    g.arrange().pos.Board(3, 8) = 50;
    g.arrange().pos.Board(3, 9) = 110;
    g.arrange().pos.Board(2, 9) = -110;
    EXPECT_EQ(move(3, 8, 2, 10), YES);
    EXPECT_EQ(move(3, 8, 4, 10), YES);
    EXPECT_EQ(move(3, 8, 3, 10), NO);
    EXPECT_EQ(move(3, 8, 2, 6), NO);
    g.arrange().pos.Board(4, 10) = 30;
    EXPECT_EQ(move(3, 8, 4, 10), NO);
    g.arrange().pos.Board(10, 20) = -50;
    EXPECT_EQ(move(10, 20, 9, 18), YES);
    EXPECT_EQ(move(10, 20, 11, 22), NO);
}

TEST_F(Rules, StepPiecesMoveAsInShogi) {
    g.arrange().pos.Board(10, 10) = -100;  // silver: three forward, two diagonals back
    EXPECT_EQ(move(10, 10, 9, 9) + move(10, 10, 10, 9) + move(10, 10, 11, 9), 3);
    EXPECT_EQ(move(10, 10, 9, 11) + move(10, 10, 11, 11), 2);
    EXPECT_EQ(move(10, 10, 10, 11) + move(10, 10, 9, 10) + move(10, 10, 11, 10), 0);
    for (int code : {-110, -31, -41, -51, -101}) {  // gold and the golds by promotion
        g.arrange().pos.Board(10, 10) = static_cast<int16_t>(code);
        EXPECT_EQ(move(10, 10, 9, 9) + move(10, 10, 10, 9) + move(10, 10, 11, 9), 3) << code;
        EXPECT_EQ(move(10, 10, 9, 10) + move(10, 10, 11, 10) + move(10, 10, 10, 11), 3) << code;
        EXPECT_EQ(move(10, 10, 9, 11) + move(10, 10, 11, 11), 0) << code;
    }
    g.arrange().pos.Board(10, 10) = 110;  // the upper gold's forward is downwards
    EXPECT_EQ(move(10, 10, 9, 11) + move(10, 10, 11, 11) + move(10, 10, 10, 9), 3);
    EXPECT_EQ(move(10, 10, 9, 9), NO);
    g.arrange().pos.Board(10, 10) = 30;
    EXPECT_EQ(move(10, 10, 10, 11), YES);
    EXPECT_EQ(move(10, 10, 10, 9), NO);
    EXPECT_EQ(move(10, 10, 10, 12), NO);
    g.arrange().pos.Board(10, 10) = -950;
    EXPECT_EQ(move(10, 10, 11, 11), YES);
    EXPECT_EQ(move(10, 10, 10, 12), NO);
    EXPECT_EQ(move(10, 10, 10, 10), NO);
}

TEST_F(Rules, LongPiecesAndTheirPromotedForms) {
    g.arrange().pos.Board(10, 10) = -901;
    EXPECT_EQ(move(10, 10, 11, 11), YES);  // a king step, though no rook line
    EXPECT_EQ(move(10, 10, 10, 1), YES);
    EXPECT_EQ(move(10, 10, 27, 10), YES);
    EXPECT_EQ(move(10, 10, 12, 12), NO);
    g.arrange().pos.Board(10, 5) = 30;
    EXPECT_EQ(move(10, 10, 10, 1), NO);
    EXPECT_EQ(move(10, 10, 10, 5), YES);

    clearPosition(g);
    g.arrange().pos.Board(20, 20) = 800;
    EXPECT_EQ(move(20, 20, 27, 27), YES);
    EXPECT_EQ(move(20, 20, 1, 1), YES);
    EXPECT_EQ(move(20, 20, 27, 13), YES);
    EXPECT_EQ(move(20, 20, 20, 21), NO);
    g.arrange().pos.Board(24, 16) = -30;
    EXPECT_EQ(move(20, 20, 24, 16), YES);
    EXPECT_EQ(move(20, 20, 25, 15), NO);
    g.arrange().pos.Board(20, 20) = 801;
    EXPECT_EQ(move(20, 20, 20, 21), YES);
    EXPECT_EQ(move(20, 20, 20, 22), NO);

    // Only the geometry counts: the lower king may step next to an upper rook.
    g.arrange().pos.Board(14, 20) = 900;
    EXPECT_EQ(move(14, 27, 14, 26), YES);
}

TEST_F(Rules, DropsNeedAnEmptySquareAndARankToMoveFrom) {
    auto dropU = [&](int code, int x, int y) { return g.移動チェック(-1, 1, x, y, code); };
    auto dropL = [&](int code, int x, int y) { return g.移動チェック(29, 21, x, y, code); };
    g.調査_2歩フラグ設定();
    EXPECT_EQ(dropU(30, 3, 27), NO);
    EXPECT_EQ(dropU(30, 3, 26), YES);
    EXPECT_EQ(dropU(40, 3, 27), NO);
    EXPECT_EQ(dropU(50, 3, 26), NO);
    EXPECT_EQ(dropU(50, 3, 25), YES);
    EXPECT_EQ(dropL(-30, 3, 1), NO);
    EXPECT_EQ(dropL(-40, 3, 1), NO);
    EXPECT_EQ(dropL(-40, 3, 2), YES);
    EXPECT_EQ(dropL(-50, 3, 2), NO);
    EXPECT_EQ(dropL(-50, 3, 3), YES);
    for (int code : {-100, -110, -800, -900}) EXPECT_EQ(dropL(code, 3, 1), YES) << code;
    EXPECT_EQ(dropL(-110, 14, 1), NO);  // occupied
    EXPECT_EQ(dropL(-110, 0, 5), NO);
    EXPECT_EQ(dropL(-110, 5, 28), NO);
}

TEST_F(Rules, OnlyAnUnpromotedPawnOfTheSameSideBlocksAPawnDrop) {
    g.arrange().pos.Board(7, 20) = -30;
    g.arrange().pos.Board(8, 20) = -31;
    g.arrange().pos.Board(9, 5) = 30;
    g.調査_2歩フラグ設定();
    EXPECT_EQ(g.移動チェック(29, 21, 7, 12, -30), NO);
    EXPECT_EQ(g.移動チェック(29, 21, 8, 12, -30), YES);
    EXPECT_EQ(g.移動チェック(29, 21, 9, 12, -30), YES);
    EXPECT_EQ(g.移動チェック(-1, 7, 9, 12, 30), NO);
    EXPECT_EQ(g.移動チェック(-1, 7, 7, 12, 30), YES);
    EXPECT_EQ(g.移動チェック(29, 22, 7, 12, -40), YES);
    g.arrange().pos.Board(7, 20) = EMPTY;  // the flags only change when set again
    EXPECT_EQ(g.移動チェック(29, 21, 7, 12, -30), NO);
    g.調査_2歩フラグ設定();
    EXPECT_EQ(g.移動チェック(29, 21, 7, 12, -30), YES);
}

TEST_F(Rules, PromotionZoneIsTenRanksDeep) {
    g.arrange().work.PromotedCode = 0;
    EXPECT_EQ(g.調査_駒成(4, 12, 4, 11, -100), NO);
    EXPECT_EQ(g.turnWork().PromotedCode, 0);  // left alone on NO
    EXPECT_EQ(g.調査_駒成(4, 11, 5, 10, -100), YES);
    EXPECT_EQ(g.turnWork().PromotedCode, -101);
    EXPECT_EQ(g.調査_駒成(5, 10, 4, 11, -100), YES);  // moving out of the zone
    EXPECT_EQ(g.調査_駒成(5, 12, 5, 11, -30), NO);
    EXPECT_EQ(g.調査_駒成(5, 11, 5, 10, -30), YES);
    EXPECT_EQ(g.調査_駒成(5, 10, 5, 11, -40), NO);  // a lance only by its destination
    EXPECT_EQ(g.調査_駒成(3, 18, 4, 17, 800), YES);
    EXPECT_EQ(g.turnWork().PromotedCode, 801);
    EXPECT_EQ(g.調査_駒成(3, 16, 3, 17, 900), NO);
    EXPECT_EQ(g.調査_駒成(3, 17, 3, 18, 50), YES);
    for (int code : {-110, -950, -31, -801, 110, 950, 901})
        EXPECT_EQ(g.調査_駒成(5, 3, 5, 2, code) + g.調査_駒成(5, 25, 5, 26, code), NO) << code;
    EXPECT_EQ(g.調査_駒成(29, 21, 5, 2, -30), NO);  // drops never promote
    EXPECT_EQ(g.調査_駒成(-1, 7, 5, 26, 30), NO);
}

}  // namespace orizen::test
