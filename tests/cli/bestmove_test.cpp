// orizen-cli bestmove on the sample positions: the exact output, the candidate order and the
// first-best rule, and the answer when there is nothing to move.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <tuple>

#include "fakes.h"

namespace orizen::test {

namespace {

std::string run(const std::string& args) {
    std::string out;
    FILE* p = ::popen((std::string(ORIZEN_CLI) + " " + args).c_str(), "r");
    if (p == nullptr) return out;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    ::pclose(p);
    return out;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

const std::string kSamples = std::string(ORIZEN_SOURCE_DIR) + "/tests/data/positions/";

struct Line {
    std::string key;
    int fx, fy, tx, ty, before, after;
    double score;
};

std::vector<Line> parse(const std::string& text) {
    std::vector<Line> r;
    std::istringstream in(text);
    Line l;
    while (in >> l.key >> l.fx >> l.fy >> l.tx >> l.ty >> l.before >> l.after >> l.score) r.push_back(l);
    return r;
}

}  // namespace

class Sample : public ::testing::TestWithParam<int> {
protected:
    std::string base() const {
        char name[32];
        std::snprintf(name, sizeof name, "sample%02d", GetParam());
        return kSamples + name;
    }
};

TEST_P(Sample, BestmoveWithScoresMatchesByteForByte) {
    const std::string expected = slurp(base() + ".bestmove");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(run("bestmove --scores " + base() + ".pos"), expected);
}

// Candidates come by source x, source y, destination x, destination y (unpromoted before
// promoted), then drops by kind and destination; the first of equal best scores is played.
TEST_P(Sample, CandidateOrderAndTheFirstBestWins) {
    const std::vector<Line> lines = parse(run("bestmove --scores " + base() + ".pos"));
    ASSERT_GT(lines.size(), 1u);
    auto key = [](const Line& c) {
        const bool drop = c.fx == -1;
        return std::tuple(drop, drop ? c.fy : c.fx, drop ? 0 : c.fy, c.tx, c.ty, c.after);
    };
    double best = -99999;
    const Line* first = nullptr;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(key(lines[i - 1]), key(lines[i])) << "candidate " << i;
        }
        if (lines[i].score > best) best = lines[i].score, first = &lines[i];
    }
    const Line& chosen = lines.back();
    ASSERT_EQ(chosen.key, "bestmove");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(std::tie(chosen.fx, chosen.fy, chosen.tx, chosen.ty, chosen.after),
              std::tie(first->fx, first->fy, first->tx, first->ty, first->after));
    // Without --scores only the choice is printed.
    EXPECT_EQ(parse(run("bestmove " + base() + ".pos")).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Positions, Sample, ::testing::Range(1, 11));

TEST(Bestmove, NothingToMoveAndRefusals) {
    TempFolder f;
    std::string board = "board\n";
    for (int y = 1; y <= 27; ++y) {
        for (int x = 1; x <= 27; ++x) {
            if (x > 1) board += ' ';
            board += x == 14 && y == 27 ? "-950" : "0";
        }
        board += "\n";
    }
    f.write("none.pos", board + "hand-upper 0 0 0 0 0 0 0\nhand-lower 1 0 0 0 0 0 0\n");
    EXPECT_EQ(run("bestmove --scores " + (f.path / "none.pos").string()), "bestmove none\n");
    EXPECT_EQ(run("bestmove 2>/dev/null"), "");
    EXPECT_EQ(run("bestmove --scores --scores x.pos 2>/dev/null"), "");
}

}  // namespace orizen::test
