// The searching level's engine against the game's own rules: its move generator, make and unmake,
// mates it must see, positions it must not repeat, and a self-play game checked move by move.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <array>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "game/level4.h"
#include "cli/position.h"
#include "cli/selfplay.h"
#include "headless.h"

namespace orizen {
namespace {

using namespace engine;
using engine::Move;
using engine::Position;
using MoveKey = std::tuple<int, int, int, int, int>;  // from x, from y, to x, to y, piece after

// Random positions: every kind of piece of both sides, kings included, and pieces in hand.
std::vector<test::Bare*> randomGames(int count, unsigned seed) {
    static const int kCodes[] = {30, 31, 40, 41, 50, 51, 100, 101, 110, 800, 801, 900, 901};
    std::mt19937 rng(seed);
    std::vector<test::Bare*> out;
    for (int i = 0; i < count; ++i) {
        auto* b = new test::Bare;
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y)
                if (rng() % 100 < 18)
                    b->g.arrange().pos.Board(x, y) = int16_t(kCodes[rng() % 13] * (rng() % 2 ? 1 : -1));
        b->g.arrange().pos.Board(1 + rng() % 27, 1 + rng() % 27) = orizen::OU;
        b->g.arrange().pos.Board(1 + rng() % 27, 1 + rng() % 27) = -orizen::OU;
        for (int k = 1; k <= 7; ++k)
            b->g.arrange().pos.HandUpper(k) = int(rng() % 3), b->g.arrange().pos.HandLower(k) = int(rng() % 3);
        b->g.調査_2歩フラグ設定();
        out.push_back(b);
    }
    return out;
}

// What the game's rules allow the side to move: every square pair 移動チェック accepts, in the
// forms 調査_駒成 and 移動後チェック allow, and every drop.
std::vector<MoveKey> byRules(Game& g, bool upper) {
    std::vector<MoveKey> out;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int piece = g.position().Board(x, y);
            if (upper ? piece < 30 : piece > -30) continue;
            for (int tx = 1; tx <= 27; ++tx)
                for (int ty = 1; ty <= 27; ++ty) {
                    if (g.移動チェック(x, y, tx, ty, piece) != YES) continue;
                    const bool may = g.調査_駒成(x, y, tx, ty, piece) == YES;
                    if (may) out.emplace_back(x, y, tx, ty, g.turnWork().PromotedCode);
                    if (!may || Game::移動後チェック(ty, piece) == YES) out.emplace_back(x, y, tx, ty, piece);
                }
        }
    for (int k = 1; k <= 7; ++k) {
        if ((upper ? g.position().HandUpper(k) : g.position().HandLower(k)) <= 0) continue;
        const int code = upper ? kHandCode[k] : -kHandCode[k];
        for (int tx = 1; tx <= 27; ++tx)
            for (int ty = 1; ty <= 27; ++ty)
                if (g.移動チェック(upper ? -1 : 29, k, tx, ty, code) == YES)
                    out.emplace_back(upper ? -1 : 29, upper ? k : 20 + k, tx, ty, code);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<MoveKey> byEngine(const Position& p) {
    static Move buf[kMaxMoves];
    MoveList l{buf};
    generateAll(p, l);
    std::vector<MoveKey> out;
    for (int i = 0; i < l.n; ++i) {
        Report r;
        r.move = l.m[i];
        const Game::Choice c = level4::toChoice(p, r);
        out.emplace_back(c.move.fx, c.move.fy, c.move.tx, c.move.ty, c.move.after);
    }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(Engine, GeneratesExactlyTheMovesAndDropsTheRulesAllow) {
    for (test::Bare* b : randomGames(12, 7)) {
        for (int side : {UPPER, LOWER}) {
            const Position p = level4::positionOf(b->g, side);
            const std::vector<MoveKey> expected = byRules(b->g, side == UPPER), got = byEngine(p);
            EXPECT_EQ(got, expected) << "side " << side;
            EXPECT_EQ(std::adjacent_find(got.begin(), got.end()), got.end()) << "a move twice";
        }
        delete b;
    }
}

TEST(Engine, MakeKeepsTheBoardCodesAndIndexesInStepAndUnmakeRestoresThem) {
    static Move buf[kMaxMoves];
    for (test::Bare* b : randomGames(6, 11)) {
        for (int side : {UPPER, LOWER}) {
            Position p = level4::positionOf(b->g, side);
            const Position before = p;
            MoveList l{buf};
            generateAll(p, l);
            for (int i = 0; i < l.n; ++i) {
                Undo u;
                p.make(l.m[i], u);
                Position fresh = p;
                fresh.refresh();
                ASSERT_EQ(0, std::memcmp(p.cell, fresh.cell, sizeof p.cell)) << "board codes after move " << i;
                ASSERT_EQ(p.key, fresh.key) << "incremental key after move " << i;
                ASSERT_EQ(p.material, fresh.material);
                ASSERT_EQ(0, std::memcmp(p.pawns, fresh.pawns, sizeof p.pawns));
                ASSERT_EQ(0, std::memcmp(p.king, fresh.king, sizeof p.king));
                ASSERT_EQ(0, std::memcmp(p.stepping, fresh.stepping, sizeof p.stepping)) << "steps after move " << i;
                ASSERT_EQ(0, std::memcmp(p.sliding, fresh.sliding, sizeof p.sliding));
                if (p.king[UPPER] != 0 && p.king[LOWER] != 0) {
                    ASSERT_EQ(0, std::memcmp(p.terms, fresh.terms, sizeof p.terms)) << "evaluation terms after move " << i;
                    ASSERT_EQ(0, std::memcmp(p.nearKing, fresh.nearKing, sizeof p.nearKing));
                }
                p.unmake(l.m[i], u);
                ASSERT_EQ(0, std::memcmp(&p, &before, sizeof p)) << "unmake of move " << i;
            }
        }
        delete b;
    }
}

// The tuner fits the weights to the trace's counts: they must add up to the evaluation itself.
TEST(Engine, EvaluationIsItsTracedCountsTimesTheWeights) {
    for (test::Bare* b : randomGames(6, 13)) {
        for (int side : {UPPER, LOWER}) {
            const Position p = level4::positionOf(b->g, side);
            for (int searching : {UPPER, LOWER}) {
                const EvalTrace t = traceEvaluation(p, searching);
                long sum = t.fixed;
                for (int i = 0; i < weight::Count; ++i) sum += long(kWeights[std::size_t(i)]) * t.count[std::size_t(i)];
                EXPECT_EQ(side == UPPER ? sum : -sum, evaluate(p, searching));
            }
        }
        delete b;
    }
}

// Exhaustive: can the side to move mate within `plies` (1 or 3), every defence tried?
bool legalAfter(Position& p) {
    const int k = p.king[other(p.side)];
    return k == 0 || !p.attacked(k, p.side);
}
Move gBuf[6][kMaxMoves];
bool mateIn(Position& p, int plies, int depth = 0);
// Does m (of the side to move) mate within `plies`, whatever the defence?
bool forcesMate(Position& p, Move m, int plies, int depth = 0) {
    Undo u;
    p.make(m, u);
    bool mates = false;
    if (legalAfter(p)) {
        MoveList replies{gBuf[depth + 1]};
        generateAll(p, replies);
        mates = true;
        for (int j = 0; j < replies.n && mates; ++j) {
            Undo v;
            p.make(replies.m[j], v);
            if (legalAfter(p) && (plies < 3 || !mateIn(p, plies - 2, depth + 2))) mates = false;
            p.unmake(replies.m[j], v);
        }
    }
    p.unmake(m, u);
    return mates;
}
bool mateIn(Position& p, int plies, int depth) {
    MoveList l{gBuf[depth]};
    generateAll(p, l);
    for (int i = 0; i < l.n; ++i)
        if (forcesMate(p, l.m[i], plies, depth)) return true;
    return false;
}

Position build(std::initializer_list<std::array<int, 3>> pieces, int goldsInHand, int silversInHand = 0) {
    Position p;
    p.clear();
    for (const auto& a : pieces) p.put(sq(a[0], a[1]), a[2]);
    p.inHand(UPPER, 5) = goldsInHand;
    p.inHand(UPPER, 4) = silversInHand;
    p.side = UPPER;
    p.refresh();
    return p;
}

TEST(Engine, FindsMatesInOneAndThree) {
    struct Case {
        Position p;
        int plies;
        bool byChecks = true;  // every move of the mating side checks
    };
    const Case cases[] = {
        // A gold dropped beside the cornered king, guarded by the silver.
        {build({{1, 27, -engine::OU}, {27, 1, engine::OU}, {3, 25, engine::GI}}, 2), 1},
        // The horse and a gold in hand against a king walled in by its own pawns.
        {build({{1, 27, -engine::OU},
                {27, 1, engine::OU},
                {20, 20, -engine::FU},
                {5, 21, engine::UMA},
                {1, 26, -engine::FU},
                {4, 26, -engine::FU}},
               1),
         3},
        // A silver dropped quietly first, then a gold.
        {build({{1, 27, -engine::OU},
                {27, 1, engine::OU},
                {20, 20, -engine::FU},
                {2, 22, engine::KI},
                {1, 24, -engine::FU},
                {3, 25, -engine::FU}},
               1, 1),
         3, false},
    };
    for (const Case& c : cases) {
        Position p = c.p;
        ASSERT_EQ(mateIn(p, 1), c.plies == 1);
        ASSERT_TRUE(mateIn(p, 3));
        // Found by the full search, and by the search of checks alone after a search of depth 1.
        for (const bool checksAlone : {false, true}) {
            if (checksAlone && !c.byChecks) continue;
            Limits limits;
            limits.movetimeMs = 5000;
            if (checksAlone) limits.maxDepth = 1;
            else limits.mateNodes = 0;
            const Report r = Searcher().think(c.p, nullptr, 0, limits);
            EXPECT_EQ(r.score, kMate - c.plies) << "case " << (&c - cases) << (checksAlone ? ", checks alone" : "");
            EXPECT_TRUE(forcesMate(p, r.move, c.plies));
        }
    }
}

TEST(Engine, TakesAKingLeftAttackedAndPlaysTheOnlyMoveAtOnce) {
    Position p = build({{14, 27, -engine::OU}, {14, 1, engine::OU}, {14, 20, engine::HI}}, 0);
    Searcher searcher;
    Report r = searcher.think(p, nullptr, 0, Limits{});
    EXPECT_TRUE(r.forced);
    EXPECT_EQ(moveTo(r.move), sq(14, 27));

    // The upper king checked by a rook along its file with one way out.
    p = build({{1, 1, engine::OU}, {1, 20, -engine::HI}, {2, 3, -engine::KI}, {27, 27, -engine::OU}}, 0);
    r = searcher.think(p, nullptr, 0, Limits{});
    EXPECT_TRUE(r.forced);
    EXPECT_EQ(r.move, makeMove(sq(1, 1), sq(2, 1), false));
}

TEST(Engine, AvoidsAPositionOfTheGameWhileNotLosing) {
    test::Bare b;
    b.opening();
    const Position p = level4::positionOf(b.g, UPPER);
    Limits limits;
    limits.movetimeMs = 200;
    limits.threads = 1;
    Searcher searcher;
    const Report first = searcher.think(p, nullptr, 0, limits);
    Position after = p;
    Undo u;
    after.make(first.move, u);
    const uint64_t seen[] = {after.key};
    const Report second = searcher.think(p, seen, 1, limits);
    EXPECT_NE(second.move, first.move);
}

// Two searchers at once, on different positions: each answers as it does alone.
TEST(Engine, TwoSearchersSearchAtOnceEachItsOwnPosition) {
    test::Bare b;
    b.opening();
    cli::Position middle;
    std::string error;
    ASSERT_TRUE(cli::readPosition(ORIZEN_SOURCE_DIR "/tools/bench/turns/early.pos", middle, error)) << error;
    test::Bare m;
    cli::place(m.g, middle);
    const Position p[2] = {level4::positionOf(b.g, UPPER), level4::positionOf(m.g, LOWER)};
    Limits limits;
    limits.movetimeMs = 600000;
    limits.maxDepth = 2;
    limits.threads = 1;
    Report alone[2], together[2];
    for (int i = 0; i < 2; ++i) alone[i] = Searcher().think(p[i], nullptr, 0, limits);
    Searcher searchers[2];
    std::thread other([&] { together[1] = searchers[1].think(p[1], nullptr, 0, limits); });
    together[0] = searchers[0].think(p[0], nullptr, 0, limits);
    other.join();
    EXPECT_NE(alone[0].move, alone[1].move);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(together[i].move, alone[i].move) << i;
        EXPECT_EQ(together[i].score, alone[i].score) << i;
        EXPECT_EQ(together[i].nodes, alone[i].nodes) << i;
    }
}

// Level 4 against itself through the game's own code: every move of either side passes the
// game's rules on a copy of the game that follows along. ORIZEN_LEVEL4_SOAK_PLIES=N plays on from
// the ladder's starts until N plies have been checked.
void checkedGame(const cli::Position* start, int plies, int& checked) {
    cli::SelfplaySettings settings;
    settings.upperLevel = settings.lowerLevel = 4;
    settings.plies = plies;
    Players players;
    players.searching().moveTimeMs = 15;
    cli::Selfplay game(settings, start, &players);
    test::Bare shadow;
    shadow.opening();
    if (start != nullptr) shadow.g.arrange().pos.Board = start->board;
    struct Check {
        Game& s;
        int& plies;
    } check{shadow.g, checked};
    const bool played = game.play(
        [](void* context, const cli::Ply& p) {
            Game& s = static_cast<Check*>(context)->s;
            ++static_cast<Check*>(context)->plies;
            s.調査_2歩フラグ設定();
            const bool drop = p.fromX == -1 || p.fromX == 29;
            ASSERT_EQ(s.移動チェック(p.fromX, p.fromY, p.toX, p.toY, p.before), YES) << "ply " << p.n;
            if (p.after != p.before) {
                ASSERT_TRUE(!drop && s.調査_駒成(p.fromX, p.fromY, p.toX, p.toY, p.before) == YES);
            } else {
                ASSERT_EQ(Game::移動後チェック(p.toY, p.before), YES);
            }
            s.駒移動(p.fromX, p.fromY, p.toX, p.toY, p.after);
        },
        &check);
    EXPECT_TRUE(played);
    EXPECT_EQ(shadow.g.position().Board, game.game.position().Board);
}

TEST(Engine, SelfPlayMakesOnlyMovesTheRulesAllow) {
    int checked = 0;
    checkedGame(nullptr, 80, checked);
    EXPECT_GT(checked, 20);
    const char* soak = std::getenv("ORIZEN_LEVEL4_SOAK_PLIES");
    const int wanted = soak != nullptr ? std::atoi(soak) : 0;
    for (int i = 1; checked < wanted && i <= 24; ++i) {
        char path[160];
        std::snprintf(path, sizeof path, "%s/tools/ladder/positions/%02d.pos", ORIZEN_SOURCE_DIR, i);
        cli::Position start;
        std::string error;
        ASSERT_TRUE(cli::readPosition(path, start, error)) << error;
        checkedGame(&start, HISTORY_MAX, checked);
    }
    if (wanted > 0) std::printf("level 4 soak: %d plies checked\n", checked);
}

}  // namespace
}  // namespace orizen
