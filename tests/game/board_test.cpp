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
            const int c = g.position().Board(x, y);
            ++count[c];
            EXPECT_EQ(c, -g.position().Board(28 - x, 28 - y)) << x << "," << y;
            EXPECT_EQ(c, g.position().Board(28 - x, y)) << "left-right symmetry at " << x << "," << y;
            if (y >= 11 && y <= 17) {
                EXPECT_EQ(c, EMPTY);
            }
        }
    const std::map<int, int> perSide{{30, 27}, {40, 8}, {50, 6}, {100, 18}, {110, 20}, {800, 4}, {900, 3}, {950, 1}};
    for (auto [code, n] : perSide) {
        EXPECT_EQ(count[code], n) << code;
        EXPECT_EQ(count[-code], n) << -code;
    }
    EXPECT_EQ(g.position().Board(14, 1), 950);
    EXPECT_EQ(g.position().Board(14, 27), -950);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(g.position().HandLower(i), 0);
        EXPECT_EQ(g.position().HandUpper(i), 0);
    }
    EXPECT_EQ(g.position().LowerHandCount, 0);
    EXPECT_EQ(g.position().UpperHandCount, 0);
    EXPECT_EQ(g.state().Turn, NO_GAME);
    EXPECT_EQ(g.state().GameMode, NO_GAME);
}

TEST(Opening, StartUpLoadsTheFiveSoundsInOrder) {
    Harness h;
    EXPECT_EQ(h.game.soundHandles().SoundOther, 1);
    EXPECT_EQ(h.game.soundHandles().SoundForbidden, 2);
    EXPECT_EQ(h.game.soundHandles().SoundPiece, 3);
    EXPECT_EQ(h.game.soundHandles().SoundGameEnd, 4);
    EXPECT_EQ(h.game.soundHandles().SoundBgm, 5);
    EXPECT_TRUE(h.game.isChecked(Menu::LEVEL3));
    EXPECT_EQ(h.game.options().ComputerLevel, 3);
}

}  // namespace orizen::test
