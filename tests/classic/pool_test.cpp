// The search's threads: any number of them gives the same search, and a search left by an
// exception leaves the threads free for the next.
#include <gtest/gtest.h>

#include <stdexcept>

#include "classic/search.h"
#include "headless.h"
#include "search.h"

namespace orizen::test {

namespace {

// Both hands full: a few thousand drops, so the search runs on every thread.
void crowded(Game& g) {
    setUp(g, {{14, 1, 950}, {14, 27, -950}, {10, 3, 900}, {20, 22, -800}, {5, 24, -30}, {9, 7, 100}},
          hand(3, 1, 1, 2, 2, 1, 1), hand(2, 1, 1, 1, 1, 1, 1));
}

}  // namespace

TEST(Pool, AStoppedSearchLeavesTheThreadsFreeAndAnySizeSearchesAlike) {
    Bare first;
    crowded(first.g);
    const Scored one = search(first.g);
    ASSERT_GT(one.all.size(), 512u);
    for (const int threads : {2, 3, 8}) {
        Players players(threads);
        Bare stopped(players);
        crowded(stopped.g);
        int seen = 0;
        EXPECT_THROW(stopped.g.探索(
                         [](void* n, const Game::ScoredMove&) {
                             if (++*static_cast<int*>(n) == 100) throw std::runtime_error("sink");
                         },
                         &seen),
                     std::runtime_error);
        Bare b(players);
        crowded(b.g);
        const Scored again = search(b.g);
        ASSERT_EQ(again.all.size(), one.all.size()) << threads << " threads";
        EXPECT_EQ(again.choice.score, one.choice.score) << threads << " threads";
        EXPECT_EQ(again.choice.move.tx, one.choice.move.tx) << threads << " threads";
    }
}

}  // namespace orizen::test
