// The order of a full redraw and the positions of the move number.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <utility>

#include "fakes.h"

namespace orizen::test {

namespace {

using Op = RecordingCanvas::Op;
using Kind = RecordingCanvas::Kind;

double cellX(const Op& o) { return (o.X - BoardLeft) / SquareWidth; }
double cellY(const Op& o) { return (o.Y - BoardTop) / SquareHeight; }
bool onBoard(const Op& o) { return cellX(o) >= 1 && cellX(o) < 28 && cellY(o) >= 1 && cellY(o) < 28; }

// Splits `ops` into runs, each the longest stretch that its predicate accepts; returns how many
// ops each run took, stopping at the first run that takes none.
std::vector<std::size_t> runs(const std::vector<Op>& ops,
                              const std::vector<std::function<bool(const Op&)>>& phases) {
    std::vector<std::size_t> taken;
    std::size_t i = 0;
    for (const auto& accepts : phases) {
        const std::size_t start = i;
        while (i < ops.size() && accepts(ops[i])) ++i;
        taken.push_back(i - start);
        if (i == start) break;
    }
    EXPECT_EQ(i, ops.size()) << "ops left over after the last phase";
    return taken;
}

}  // namespace

TEST(Redraw, DrawsBackgroundCoordinatesStandsBoardLevelAndTitleInThatOrder) {
    for (int mode : {NO_GAME, MODE_COMPUTER}) {
        SCOPED_TRACE(mode);
        Harness h;
        Game& g = h.game;
        g.arrange().settings.BackgroundKind = BG_TAKE;
        g.arrangeFlow().GameMode = mode;
        g.arrange().pos.HandLower(1) = 3;
        g.arrange().pos.HandUpper(7) = 12;
        h.canvas.clear();
        g.画面_再描画();
        const auto& ops = h.canvas.ops;

        const int tile = BG_TAKE;
        // Each margin cell once; the coordinates' own tiles that follow are repeats.
        std::set<std::pair<long, long>> seen;
        auto background = [&](const Op& o) {
            return o.kind == Kind::Picture && o.code == tile && !onBoard(o) &&
                   seen.insert({long(o.X), long(o.Y)}).second;
        };
        auto coordinates = [&](const Op& o) {
            if (o.kind == Kind::Outline) return cellX(o) == 27;
            return (cellY(o) >= 0 && cellY(o) < 1 && cellX(o) > 0.8 && cellX(o) < 28) ||
                   (cellX(o) > 27.85 && cellX(o) < 29 && cellY(o) >= 1 && cellY(o) < 28);
        };
        auto lowerStand = [&](const Op& o) {
            return cellX(o) >= 29 && cellX(o) < 31 && cellY(o) >= 21 && cellY(o) < 28.5;
        };
        auto upperStand = [&](const Op& o) {
            return cellX(o) >= -1 && cellX(o) < 1 && cellY(o) >= 1 && cellY(o) < 8.5;
        };
        auto board = [&](const Op& o) { return onBoard(o) && o.kind != Kind::Text; };
        auto level = [&](const Op& o) { return o.kind == Kind::Text && cellY(o) < 0.5 && cellX(o) < 0; };
        auto title = [&](const Op& o) { return o.kind == Kind::Picture && o.code == PICT_TITLE; };

        std::vector<std::function<bool(const Op&)>> phases{background, coordinates, lowerStand, upperStand, board};
        if (mode == MODE_COMPUTER) phases.push_back(level);
        phases.push_back(title);
        const auto taken = runs(ops, phases);
        ASSERT_EQ(taken.size(), phases.size());

        // Every cell of x −4..37, y −2..30 outside the board, exactly once.
        EXPECT_EQ(taken[0], 42u * 33 - 27 * 27);
        for (const auto& [X, Y] : seen) {
            const double x = (X - BoardLeft) / double(SquareWidth), y = (Y - BoardTop) / double(SquareHeight);
            EXPECT_TRUE(x >= -4 && x <= 37 && y >= -2 && y <= 30 && x == std::floor(x) && y == std::floor(y))
                << x << "," << y;
        }
        EXPECT_EQ(taken[1], 27u * 7);
        EXPECT_EQ(taken[4], 27u * 27 * 2);
        if (mode == MODE_COMPUTER) {
            EXPECT_EQ(taken[5], 4u);
        }
        EXPECT_EQ(taken.back(), 1u);
        EXPECT_EQ(ops.back().X, 9150);
        EXPECT_EQ(ops.back().Y, 120);

        // The stands hold their pieces and counts; two digits start where one digit would.
        auto hasText = [&](const std::string& s, double X, double Y) {
            for (const Op& o : ops)
                if (o.kind == Kind::Text && o.text == s && std::fabs(o.X - X) < 1e-6 && std::fabs(o.Y - Y) < 1e-6)
                    return true;
            return false;
        };
        EXPECT_TRUE(hasText(" 3", 1050 + 270 * 30, -30 + 300 * 21.2));
        EXPECT_TRUE(hasText(" 12", 1050, -30 + 300 * 1.2));
        EXPECT_TRUE(hasText(" 12", 1050 + 27, -30 + 300 * 1.3));
        EXPECT_TRUE(hasText("27", 1050 + 270 * 0.9, -30 + 90));  // file 27 over the leftmost column
        EXPECT_TRUE(hasText("１", 1050 + 270 * 27.1, -30 + 90));
    }
}

TEST(MoveNumber, StartsFurtherLeftAtTenAndAgainAtAHundred) {
    Harness h;
    struct Case {
        int n;
        double shadowX, textX;
    };
    for (const Case& c : {Case{9, 31.3, 31.2}, Case{10, 31.2, 31.1}, Case{99, 31.2, 31.1}, Case{100, 31.1, 31.0},
                          Case{500, 31.1, 31.0}}) {
        SCOPED_TRACE(c.n);
        h.canvas.clear();
        h.game.描画_手数(c.n, COLOUR_WHITE);
        const auto& ops = h.canvas.ops;
        ASSERT_EQ(ops.size(), 6u);
        // The old number is covered by two tiles first.
        EXPECT_EQ(ops[0].kind, Kind::Picture);
        EXPECT_DOUBLE_EQ(ops[0].X, 1050 + 270 * 31);
        EXPECT_DOUBLE_EQ(ops[1].X, 1050 + 270 * 32);
        // Appended: GCC 12 warns wrongly (-Wrestrict) on " " + std::to_string(...).
        std::string text = " ";
        text += std::to_string(c.n);
        EXPECT_EQ(ops[2].text, text);
        EXPECT_EQ(ops[2].code, COLOUR_BLACK);
        EXPECT_NEAR(ops[2].X, 1050 + 270 * c.shadowX, 1e-6);
        EXPECT_NEAR(ops[2].Y, -30 + 300 * 3.4, 1e-6);
        EXPECT_EQ(ops[3].text, text);
        EXPECT_EQ(ops[3].code, COLOUR_WHITE);
        EXPECT_NEAR(ops[3].X, 1050 + 270 * c.textX, 1e-6);
        EXPECT_NEAR(ops[3].Y, -30 + 300 * 3.3, 1e-6);
        EXPECT_EQ(ops[2].size, 12);
        // "手目" stays put, 120 and 160 units into its cell.
        EXPECT_EQ(ops[4].text, "手目");
        EXPECT_NEAR(ops[4].X, 1050 + 270 * 31.9 + 120, 1e-6);
        EXPECT_NEAR(ops[4].Y, -30 + 300 * 3 + 160, 1e-6);
        EXPECT_EQ(ops[5].code, COLOUR_WHITE);
        EXPECT_NEAR(ops[5].X, 1050 + 270 * 31.8 + 120, 1e-6);
        EXPECT_NEAR(ops[5].Y, -30 + 300 * 2.9 + 160, 1e-6);
        EXPECT_EQ(ops[5].size, 10);
    }
}

}  // namespace orizen::test
