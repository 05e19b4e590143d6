// Matches between versions: the statistics that stop them, and a game played to its end.
#include <gtest/gtest.h>

#include <cmath>

#include "match.h"

namespace orizen::match {
namespace {

TEST(Match, EloErrorBarsAndTheSprtStopAsMatchFrameworksDo) {
    const Tally even{40, 20, 40}, ahead{70, 0, 30};
    EXPECT_DOUBLE_EQ(even.score(), 0.5);
    EXPECT_NEAR(even.elo(), 0, 1e-9);
    EXPECT_NEAR(ahead.elo(), 147.2, 0.1);  // 70% of the points
    // 70 ± 8.98% (1.96 standard errors of the score) is +77.9 .. +229.9 Elo.
    EXPECT_NEAR(ahead.eloError(), 76.0, 0.1);
    EXPECT_LT(even.llr(0, 30), 0);
    EXPECT_GT(ahead.llr(0, 30), sprtUpper(0.05, 0.05));
    EXPECT_NEAR(sprtUpper(0.05, 0.05), std::log(19.0), 1e-12);
    EXPECT_NEAR(sprtLower(0.05, 0.05), -std::log(19.0), 1e-12);
}

TEST(Match, AGameBetweenTwoSearchersEndsWithAResultForEach) {
    const auto a = inProcess(), b = inProcess();
    const Game g = play(*a, *b, ORIZEN_SOURCE_DIR "/tools/ladder/positions/01.pos", true, 5, 40, 1500);
    EXPECT_TRUE(g.reason == "draw" || g.reason == "adjudicated" || g.reason == "king taken") << g.reason;
    EXPECT_LE(g.plies, 40);
    EXPECT_TRUE(g.score == 0 || g.score == 0.5 || g.score == 1);
}

}  // namespace
}  // namespace orizen::match
