// The searching engine: iterative deepening alpha-beta with a quiescence search over captures, a
// transposition table shared by two threads. Plain C++; each searcher runs one search at a time,
// and any number of searchers may search at once.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "engine/position.h"

namespace orizen::engine {

inline constexpr int kMate = 30000;         // mated at the root; kMate - n: mates in n plies
inline constexpr int kMateBound = kMate - 256;
inline constexpr int kMaxPly = 64;

struct Report;

struct Limits {
    int movetimeMs = 1000;
    int maxDepth = kMaxPly - 8;
    int threads = 2;
    // Positions the search of checks alone may visit in the time the full search leaves (0: no
    // such search).
    uint64_t mateNodes = 100000;
    // Told on the searching thread after each depth is completed, with the report so far.
    void (*onDepth)(void* context, const Report&) = nullptr;
    void* context = nullptr;
};

struct Report {
    Move move = kNoMove;    // kNoMove: the side to move has no move or drop at all
    int score = 0;          // centipawns from the mover's view; beyond ±kMateBound a mate
    int depth = 0;          // last depth completed
    uint64_t nodes = 0;
    double seconds = 0;
    bool forced = false;    // one legal move (or a king's capture): played without searching
    Move pv[16] = {};
    int pvLength = 0;
    double depthSeconds[kMaxPly] = {};  // when each depth was completed
};

// A searcher with its transposition table and threads, kept from one search to the next.
class Searcher {
public:
    Searcher();
    ~Searcher();
    Searcher(const Searcher&) = delete;
    Searcher& operator=(const Searcher&) = delete;

    // Searches p for the side to move. `seen` holds the keys of the game's earlier positions (any
    // side to move): the search does not steer into them unless everything else loses. A call
    // waits for a search already running on this searcher.
    Report think(const Position& p, const uint64_t* seen, int seenCount, const Limits& limits);

    // Ends the running search and every later one at once (the best move found so far is
    // returned), until resume().
    void stop() { stop_ = true; }
    void resume() { stop_ = false; }

    // Forgets the transposition table (a new game).
    void clear();

private:
    struct State;
    std::unique_ptr<State> state_;
    std::atomic<bool> stop_{false};
};

// The static evaluation from the side to move's view, for a search on behalf of `searching`.
int evaluate(const Position& p, int searching);
// The evaluation's terms from the upper side's view: how often each weight counts, and the part no
// weight scales. The upper side's evaluation is fixed + the sum of kWeights[i] * count[i].
struct EvalTrace {
    std::array<int, weight::Count> count{};
    int fixed = 0;
};
EvalTrace traceEvaluation(const Position& p, int searching);

}  // namespace orizen::engine
