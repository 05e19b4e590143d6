// The search with delta surveys against the plain one: the same candidates, bit-equal scores, the
// same choice and the same state left behind, the maps no survey clears included; and the delta
// survey itself against a full survey.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "classic/search.h"
#include "headless.h"
#include "search.h"

namespace orizen::test {

namespace {

constexpr int kCodes[] = {30, 31, 40, 41, 50, 51, 100, 101, 110, 111, 800, 801, 900, 901};

// A position made from the opening array by taking pieces off, putting others on anywhere and
// filling both hands; one king a side.
void randomPosition(Game& g, std::mt19937& rng, int changes) {
    g.初期設定();
    std::uniform_int_distribution<int> sq(1, 27), code(0, 13), count(0, 3), coin(0, 2);
    for (int i = 0; i < changes; ++i) {
        const int x = sq(rng), y = sq(rng);
        if (g.position().Board(x, y) == 950 || g.position().Board(x, y) == -950) continue;
        const int c = coin(rng);
        g.arrange().pos.Board(x, y) = int16_t(c == 0 ? EMPTY : c == 1 ? kCodes[code(rng)] : -kCodes[code(rng)]);
    }
    for (int k = 1; k <= 7; ++k) g.arrange().pos.HandUpper(k) = count(rng), g.arrange().pos.HandLower(k) = count(rng);
    g.arrange().pos.UpperHandCount = handSum(g.position().HandUpper);
    g.arrange().pos.LowerHandCount = handSum(g.position().HandLower);
    g.arrange().settings.ComputerLevel = 1 + int(rng() % 3);
    g.勢力調査();
}

struct Run {
    Scored scored;
    std::unique_ptr<Bare> after;
};

// Each candidate surveyed in full, one after the other.
Players& plainEngine() {
    static Players players(1, true);
    return players;
}

// Searches a copy of g with `players`.
Run searchCopy(const Game& g, Players& players) {
    Run r{{}, std::make_unique<Bare>(players)};
    Game& c = r.after->g;
    c.arrange().pos.Board = g.position().Board;
    c.arrange().pos.HandUpper = g.position().HandUpper, c.arrange().pos.HandLower = g.position().HandLower;
    c.arrange().pos.UpperHandCount = g.position().UpperHandCount,
    c.arrange().pos.LowerHandCount = g.position().LowerHandCount;
    c.arrange().settings.ComputerLevel = g.options().ComputerLevel;
    c.arrangeMemory() = g.remembered();
    c.arrange().pos.LowerKingX = g.position().LowerKingX, c.arrange().pos.LowerKingY = g.position().LowerKingY,
    c.arrange().pos.UpperKingX = g.position().UpperKingX, c.arrange().pos.UpperKingY = g.position().UpperKingY;
    c.arrange().work.MoverKingDistance = g.turnWork().MoverKingDistance;
    c.勢力調査();
    r.scored = search(c);
    return r;
}

// Quick (with g's own players unless given) and plain.
void expectSameSearch(const Game& g, const std::string& what, Players* quick = nullptr) {
    const Run fast = searchCopy(g, quick != nullptr ? *quick : g.players()), plain = searchCopy(g, plainEngine());
    const Game &a = fast.after->g, &b = plain.after->g;
    ASSERT_EQ(fast.scored.all.size(), plain.scored.all.size()) << what;
    for (size_t i = 0; i < fast.scored.all.size(); ++i) {
        const auto &p = fast.scored.all[i], &q = plain.scored.all[i];
        ASSERT_TRUE(p.move == q.move && p.score == q.score)
            << what << " candidate " << i << ": " << p.move.fx << ' ' << p.move.fy << ' ' << p.move.tx << ' '
            << p.move.ty << ' ' << p.move.after << ' ' << p.score << " against " << q.score;
    }
    EXPECT_EQ(fast.scored.choice.score, plain.scored.choice.score) << what;
    EXPECT_EQ(a.position().Board, b.position().Board) << what;
    EXPECT_TRUE(a.remembered() == b.remembered()) << what;
    EXPECT_EQ(a.survey().LowerInfluence, b.survey().LowerInfluence) << what;
    EXPECT_EQ(a.survey().UpperInfluence, b.survey().UpperInfluence) << what;
    EXPECT_EQ(a.survey().UpperGuard, b.survey().UpperGuard) << what;
    EXPECT_EQ(a.survey().LowerAttacker, b.survey().LowerAttacker) << what;
    EXPECT_EQ(a.survey().CheckByUpper, b.survey().CheckByUpper) << what;
    EXPECT_EQ(a.turnWork().UpperAttackerXBefore, b.turnWork().UpperAttackerXBefore) << what;
    EXPECT_EQ(a.turnWork().BishopTargets, b.turnWork().BishopTargets) << what;
    EXPECT_EQ(a.survey().LowerPinned, b.survey().LowerPinned) << what;
    EXPECT_EQ(a.turnWork().MoverKingDistance, b.turnWork().MoverKingDistance) << what;
    EXPECT_EQ(a.turnWork().CandidatePiece, b.turnWork().CandidatePiece) << what;
    EXPECT_EQ(a.turnWork().PromotedCode, b.turnWork().PromotedCode) << what;
    EXPECT_EQ(a.turnWork().BestScore, b.turnWork().BestScore) << what;
    EXPECT_EQ(a.turnWork().LowerKingEscapes, b.turnWork().LowerKingEscapes) << what;
    EXPECT_EQ(
        std::tie(a.position().LowerKingX, a.position().LowerKingY, a.position().UpperKingX, a.position().UpperKingY),
        std::tie(b.position().LowerKingX, b.position().LowerKingY, b.position().UpperKingX, b.position().UpperKingY))
        << what;
}

}  // namespace

TEST(Search, DeltaWayMatchesThePlainWayOnRandomPositions) {
    std::mt19937 rng(20260101);
    Bare b;
    for (int round = 0; round < 24; ++round) {
        randomPosition(b.g, rng, 40 + 20 * (round % 6));
        // Square maps left over from other surveys, as a game has them.
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y) {
                b.g.arrangeMemory().UpperGuardX(x, y) = int16_t(rng() % 28);
                b.g.arrangeMemory().UpperAttackerY(x, y) = int16_t(rng() % 28);
            }
        b.g.arrange().work.MoverKingDistance = int(rng() % 20);
        expectSameSearch(b.g, "round " + std::to_string(round));
        if (HasFatalFailure()) return;
    }
}

// The computer against itself for some moves, both ways: the maps no survey clears carry from turn
// to turn, so any difference in them would show in a later choice.
TEST(Search, DeltaWayMatchesThePlainWayOverAGame) {
    std::unique_ptr<Bare> games[2] = {std::make_unique<Bare>(), std::make_unique<Bare>(plainEngine())};
    for (auto& h : games) {
        h->g.初期設定();
        h->g.arrange().pos.HandUpper = hand(2, 1, 1, 1, 1, 1, 1);
        h->g.arrange().pos.UpperHandCount = handSum(h->g.position().HandUpper);
        h->g.勢力調査();
    }
    for (int turn = 0; turn < 12; ++turn) {
        Game::Choice c[2];
        for (int way = 0; way < 2; ++way) {
            Game& g = games[way]->g;
            c[way] = g.探索();
            g.駒移動(c[way].move.fx, c[way].move.fy, c[way].move.tx, c[way].move.ty, c[way].move.after);
            // A lower reply: the first pawn that can step.
            for (int x = 1; x <= 27; ++x) {
                const int y = 18 - (turn / 27);
                if (g.position().Board(x, y) == -30 && g.position().Board(x, y - 1) == EMPTY) {
                    g.駒移動(x, y, x, y - 1, -30);
                    break;
                }
            }
            g.勢力調査();
        }
        ASSERT_EQ(std::tie(c[0].move.fx, c[0].move.fy, c[0].move.tx, c[0].move.ty, c[0].move.after, c[0].score),
                  std::tie(c[1].move.fx, c[1].move.fy, c[1].move.tx, c[1].move.ty, c[1].move.after, c[1].score))
            << "turn " << turn;
        EXPECT_TRUE(games[0]->g.remembered() == games[1]->g.remembered()) << "turn " << turn;
    }
}

// A candidate whose delta survey runs out of room is surveyed in full: with the room so small that
// some candidates give up and others not, the search still matches the plain way.
TEST(Search, CandidatesThatOverflowTheDeltaSurveyGoThePlainWay) {
    std::mt19937 rng(31);
    Bare b;
    for (const search::DeltaLimits limits : {search::DeltaLimits{60, search::Delta::kChanges},
                                             search::DeltaLimits{search::Delta::kLog, 6}}) {
        randomPosition(b.g, rng, 60);
        Players limited;
        limited.classic().limits = limits;
        expectSameSearch(b.g, "log " + std::to_string(limits.log) + ", changes " + std::to_string(limits.changes),
                         &limited);
    }
}

TEST(Search, PositionsItDoesNotTakeGoThePlainWay) {
    Bare b;
    // Two upper kings: which one the survey names depends on the scan.
    setUp(b.g, {{14, 1, 950}, {3, 3, 950}, {14, 27, -950}, {5, 5, 110}, {6, 20, -900}}, hand(1, 0, 0, 0, 1, 0, 0));
    expectSameSearch(b.g, "two kings");
    setUp(b.g, {{14, 1, 950}, {5, 5, 110}, {6, 20, -111}, {7, 7, 111}}, hand(1, 0, 0, 0, 1, 0, 0));
    expectSameSearch(b.g, "no lower king");
}

// After the delta survey of a candidate the maps the evaluation reads are those of a full survey,
// and what it wrote on the squares it looked at is what a full survey writes there. Squares it did
// not look at are written by a full survey as by the survey before the move.
TEST(Search, DeltaSurveyAgreesWithAFullSurvey) {
    std::mt19937 rng(7);
    Bare b, full;
    auto base = std::make_unique<search::TurnBase>();
    auto delta = std::make_unique<search::Delta>();
    std::vector<search::Written> written(27 * 27);
    int tried = 0;
    for (int round = 0; round < 6; ++round) {
        randomPosition(b.g, rng, 80);
        Game& g = b.g;
        g.arrange().work.BoardBefore = g.position().Board;
        g.arrange().work.UpperInfluenceBefore = g.survey().UpperInfluence;
        base->take(g.arrange());
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y) {
                const int piece = g.position().Board(x, y);
                if (piece < 30) continue;
                for (int tx = 1; tx <= 27; ++tx)
                    for (int ty = 1; ty <= 27; ++ty) {
                        if (g.移動チェック(x, y, tx, ty, piece) != YES || (rng() % 4) != 0) continue;
                        const int captured = g.position().Board(tx, ty);
                        g.arrange().pos.Board(x, y) = EMPTY;
                        g.arrange().pos.Board(tx, ty) = int16_t(piece);
                        int xs[2] = {tx, x}, ys[2] = {ty, y}, n = 0;
                        ASSERT_TRUE(delta->apply(g.arrange(), g.arrangeMemory(), *base, 2, xs, ys, written.data(), n));
                        full.g.arrange().pos.Board = g.position().Board;
                        full.g.arrangeMemory() = Memory{};
                        full.g.勢力調査();
                        EXPECT_EQ(g.survey().LowerInfluence, full.g.survey().LowerInfluence);
                        EXPECT_EQ(g.survey().UpperInfluence, full.g.survey().UpperInfluence);
                        EXPECT_EQ(g.survey().UpperGuard, full.g.survey().UpperGuard);
                        EXPECT_EQ(g.survey().LowerAttacker, full.g.survey().LowerAttacker);
                        EXPECT_EQ(g.survey().LowerAttackerX, full.g.survey().LowerAttackerX);
                        EXPECT_EQ(g.survey().LowerAttackerY, full.g.survey().LowerAttackerY);
                        EXPECT_EQ(g.position().UpperKingX, full.g.position().UpperKingX);
                        for (int i = 0; i < n; ++i) {
                            const int wx = scanX(written[i].cell), wy = scanY(written[i].cell);
                            EXPECT_EQ(written[i].gx, full.g.remembered().UpperGuardX(wx, wy)) << wx << ' ' << wy;
                            EXPECT_EQ(written[i].gy, full.g.remembered().UpperGuardY(wx, wy));
                            EXPECT_EQ(written[i].ax, full.g.remembered().UpperAttackerX(wx, wy));
                            EXPECT_EQ(written[i].ay, full.g.remembered().UpperAttackerY(wx, wy));
                        }
                        delta->undo(g.arrange());
                        g.arrange().pos.Board(tx, ty) = int16_t(captured);
                        g.arrange().pos.Board(x, y) = int16_t(piece);
                        ++tried;
                        if (HasFailure()) return;
                    }
            }
        EXPECT_EQ(g.survey().LowerInfluence, base->li);
        EXPECT_EQ(g.survey().UpperGuard, base->ug);
    }
    EXPECT_GT(tried, 100);
}

}  // namespace orizen::test
