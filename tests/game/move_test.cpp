// Making a move (board, hands, totals, the taken king) and what the window shows of it.
#include <gtest/gtest.h>

#include <cmath>

#include "play.h"

namespace orizen::test {

namespace {

struct Moves : ::testing::Test {
    Harness h;
    Game& g = h.game;
    void SetUp() override {
        clearPosition(g);
        h.canvas.clear();
    }
    // The pictures painted on cell (x, y), in order.
    std::vector<int> picturesAt(double x, double y) const {
        std::vector<int> r;
        for (const auto& op : h.canvas.ops)
            if (op.kind == RecordingCanvas::Kind::Picture && op.X == cellX(x) && op.Y == cellY(y)) r.push_back(op.code);
        return r;
    }
    std::vector<std::string> textsAt(double x, double y) const {
        std::vector<std::string> r;
        for (const auto& op : h.canvas.texts())
            if (std::abs(op.X - cellX(x)) < 0.5 && std::abs(op.Y - cellY(y)) < 0.5) r.push_back(op.text);
        return r;
    }
};

}  // namespace

TEST_F(Moves, CapturesGoToTheCaptorsHandUnpromoted) {
    g.arrange().pos.Board(5, 5) = 901;
    g.arrange().pos.Board(5, 9) = -900;
    g.駒移動(5, 9, 5, 5, -900);
    EXPECT_EQ(g.position().Board(5, 5), -900);
    EXPECT_EQ(g.position().Board(5, 9), EMPTY);
    EXPECT_EQ(g.position().HandLower(7), 1);
    EXPECT_EQ(g.position().LowerHandCount, 1);
    EXPECT_EQ(picturesAt(29, 27), (std::vector<int>{0, -900}));  // the stand shows the rook
    EXPECT_EQ(textsAt(30, 27.2), std::vector<std::string>{" 1"});
    EXPECT_EQ(picturesAt(5, 9), std::vector<int>{0});
    EXPECT_EQ(picturesAt(5, 5), std::vector<int>{-900});

    g.arrange().pos.Board(8, 8) = 111;
    g.arrange().pos.Board(7, 7) = -101;
    g.駒移動(7, 7, 8, 8, -101);
    EXPECT_EQ(g.position().HandLower(5), 1);  // the reserved promoted gold goes back as a gold
    EXPECT_EQ(g.position().HandLower(1), 0);
    EXPECT_TRUE(totalsMatchHands(g));

    g.arrange().pos.Board(20, 20) = 100;
    g.arrange().pos.Board(20, 21) = -31;
    g.駒移動(20, 20, 20, 21, 101);
    EXPECT_EQ(g.position().HandUpper(1), 1);
    EXPECT_EQ(g.position().UpperHandCount, 1);
    EXPECT_EQ(g.position().Board(20, 21), 101);
}

TEST_F(Moves, DropsComeOutOfTheHand) {
    g.arrange().pos.HandLower(1) = 1, g.arrange().pos.LowerHandCount = 1;
    g.駒移動(29, 21, 4, 15, -30);
    EXPECT_EQ(g.position().HandLower(1), 0);
    EXPECT_EQ(g.position().LowerHandCount, 0);
    EXPECT_EQ(g.position().Board(4, 15), -30);
    EXPECT_EQ(picturesAt(29, 21).back(), 0);  // the slot is empty again

    g.arrange().pos.HandUpper(6) = 2, g.arrange().pos.UpperHandCount = 2;
    g.駒移動(-1, 6, 4, 16, 800);  // the upper hand by kind index
    EXPECT_EQ(g.position().HandUpper(6), 1);
    EXPECT_EQ(g.position().UpperHandCount, 1);
    EXPECT_EQ(g.position().Board(4, 16), 800);
}

TEST_F(Moves, TakingAKingNamesTheWinnerAndCountsOnlyInTheTotal) {
    g.arrangeFlow().HumanSide = TURN_SECOND, g.arrangeFlow().OtherSide = TURN_FIRST;
    g.arrange().pos.Board(14, 2) = -110;
    g.駒移動(14, 2, 14, 1, -110);
    EXPECT_EQ(g.state().Winner, TURN_SECOND);
    EXPECT_EQ(g.position().LowerHandCount, 1);
    EXPECT_EQ(handSum(g.position().HandLower), 0);

    g.arrangeFlow().Winner = NO_GAME;
    g.arrange().pos.Board(13, 26) = 100;
    g.駒移動(13, 26, 14, 27, 101);
    EXPECT_EQ(g.state().Winner, TURN_FIRST);
    EXPECT_EQ(g.position().UpperHandCount, 1);
    EXPECT_EQ(handSum(g.position().HandUpper), 0);
}

TEST_F(Moves, TheLowerKingsSquareFollowsIt) {
    g.駒移動(14, 27, 13, 26, -950);
    EXPECT_EQ(g.position().LowerKingX, 13);
    EXPECT_EQ(g.position().LowerKingY, 26);
}

TEST(MoveHelpers, MustPromoteWhereThePieceCouldNeverMoveAgain) {
    EXPECT_EQ(Game::移動後チェック(27, 30), NO);
    EXPECT_EQ(Game::移動後チェック(26, 30), YES);
    EXPECT_EQ(Game::移動後チェック(27, 40), NO);
    EXPECT_EQ(Game::移動後チェック(26, 50), NO);
    EXPECT_EQ(Game::移動後チェック(25, 50), YES);
    EXPECT_EQ(Game::移動後チェック(1, -30), NO);
    EXPECT_EQ(Game::移動後チェック(1, -40), NO);
    EXPECT_EQ(Game::移動後チェック(2, -50), NO);
    EXPECT_EQ(Game::移動後チェック(3, -50), YES);
    EXPECT_EQ(Game::移動後チェック(1, -100), YES);
    EXPECT_EQ(Game::移動後チェック(1, 30), YES);
}

TEST(MoveHelpers, WindowsOfUpperPiecesAndTextCells) {
    int x1, x2, y1, y2;
    Game::取得_駒移動座標(30, 5, 27, x1, x2, y1, y2);
    EXPECT_GT(y1, y2);  // nothing to examine
    Game::取得_駒移動座標(100, 1, 1, x1, x2, y1, y2);
    EXPECT_EQ(std::vector<int>({x1, x2, y1, y2}), std::vector<int>({1, 2, 1, 2}));
    Game::取得_駒移動座標(50, 27, 3, x1, x2, y1, y2);
    EXPECT_EQ(std::vector<int>({x1, x2, y1, y2}), std::vector<int>({26, 27, 5, 5}));
    Game::取得_駒移動座標(40, 6, 20, x1, x2, y1, y2);
    EXPECT_EQ(std::vector<int>({x1, x2, y1, y2}), std::vector<int>({6, 6, 21, 27}));
    Game::取得_駒移動座標(-30, 6, 20, x1, x2, y1, y2);
    EXPECT_EQ(std::vector<int>({x1, x2, y1, y2}), std::vector<int>({1, 27, 1, 27}));
    EXPECT_EQ(Game::取得_打駒座標X(30), -4);
    EXPECT_EQ(Game::取得_打駒座標Y(950), 8);
    EXPECT_EQ(Game::取得_打駒座標X(-30), 30);
    EXPECT_EQ(Game::取得_打駒座標Y(0), 5);
}

// What the window shows besides the pieces: the move number, the counts, the converter.
TEST_F(Moves, NumbersAndTextsStartWhereTheWindowExpectsThem) {
    const std::pair<int, double> starts[] = {{9, 31.2}, {10, 31.1}, {99, 31.1}, {100, 31.0}, {500, 31.0}};
    for (auto [n, x] : starts) {
        h.canvas.clear();
        g.描画_手数(n, COLOUR_WHITE);
        const auto t = h.canvas.texts();
        ASSERT_EQ(t.size(), 4u);
        EXPECT_DOUBLE_EQ(t[1].X, cellX(x)) << n;
        EXPECT_EQ(t[1].text.substr(1), std::to_string(n));
        EXPECT_EQ(t[1].text[0], ' ');
        EXPECT_EQ(t[3].text, "手目");
    }
    g.arrange().pos.HandLower(4) = 12;
    h.canvas.clear();
    g.描画_自持盤();
    EXPECT_EQ(textsAt(30, 24.2), std::vector<std::string>{" 12"});
    EXPECT_EQ(textsAt(30.1, 24.3), std::vector<std::string>{" 12"});
    EXPECT_EQ(Game::文字列変換(111), "");
    EXPECT_EQ(Game::文字列変換(-111), "");
    EXPECT_EQ(Game::文字列変換(1), "１");
    EXPECT_EQ(Game::文字列変換(27), "27");
    EXPECT_EQ(Game::文字列変換(-801), "角成");

    // A code without a picture leaves the square as it was, outlined all the same.
    g.arrange().pos.Board(3, 3) = 111;
    h.canvas.clear();
    g.描画_盤();
    EXPECT_EQ(lastOutline(h.canvas, 3, 3), g.options().BackColourIndex);
    h.canvas.clear();
    g.描画_背景(BG_TAKE);
    for (const auto& op : h.canvas.ops)
        ASSERT_FALSE(op.X >= cellX(1) && op.X < cellX(28) && op.Y >= cellY(1) && op.Y < cellY(28));
}

}  // namespace orizen::test
