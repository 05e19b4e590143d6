// The opening array and the start-up state.
#include <gtest/gtest.h>

#include "fakes.h"

namespace orizen::test {

TEST(Opening, EachSideHasItsEightySevenPiecesAndMirrorsTheOther) {
    Harness h;
    const Game& g = h.game;
    std::map<int, int> count;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int c = g.pos.Board(x, y);
            ++count[c];
            EXPECT_EQ(c, -g.pos.Board(28 - x, 28 - y)) << x << "," << y;
            EXPECT_EQ(c, g.pos.Board(28 - x, y)) << "left-right symmetry at " << x << "," << y;
            if (y >= 11 && y <= 17) {
                EXPECT_EQ(c, EMPTY);
            }
        }
    const std::map<int, int> perSide{{30, 27}, {40, 8}, {50, 6}, {100, 18}, {110, 20}, {800, 4}, {900, 3}, {950, 1}};
    for (auto [code, n] : perSide) {
        EXPECT_EQ(count[code], n) << code;
        EXPECT_EQ(count[-code], n) << -code;
    }
    EXPECT_EQ(g.pos.Board(14, 1), 950);
    EXPECT_EQ(g.pos.Board(14, 27), -950);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(g.pos.HandLower(i), 0);
        EXPECT_EQ(g.pos.HandUpper(i), 0);
    }
    EXPECT_EQ(g.pos.LowerHandCount, 0);
    EXPECT_EQ(g.pos.UpperHandCount, 0);
    EXPECT_EQ(g.Turn, NO_GAME);
    EXPECT_EQ(g.GameMode, NO_GAME);
}

TEST(Opening, StartUpLoadsTheFiveSoundsInOrder) {
    Harness h;
    EXPECT_EQ(h.game.sounds.SoundOther, 1);
    EXPECT_EQ(h.game.sounds.SoundForbidden, 2);
    EXPECT_EQ(h.game.sounds.SoundPiece, 3);
    EXPECT_EQ(h.game.sounds.SoundGameEnd, 4);
    EXPECT_EQ(h.game.sounds.SoundBgm, 5);
    EXPECT_TRUE(h.game.isChecked(Menu::LEVEL3));
    EXPECT_EQ(h.game.settings.ComputerLevel, 3);
}

}  // namespace orizen::test
