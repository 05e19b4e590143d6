// The computer's players. Levels 1 to 3 choose by the game's own one-move search and the
// searching level by level 4's engine; the game's turn, self-play, the hint and the window ask a
// Player and leave the rest to it. Whoever plays owns its Players, with the engines they search
// with; only Players knows the menu's level numbers.
#pragma once

#include <functional>

#include "classic/search.h"
#include "engine/search.h"
#include "game/choose.h"
#include "game/game.h"
#include "game/level4.h"

namespace orizen {

// What a player tells while it chooses, for whoever shows it.
class Listener {
public:
    virtual ~Listener() = default;
    // Levels 1 to 3: each candidate as it is scored, in search order.
    virtual void candidate(const ScoredMove&) {}
    // The searching level: what its search found.
    virtual void searched(const engine::Report&) {}
    // The searching level, after each depth of its search (on the searching thread) and once at
    // its end: how far it has looked, what it expects.
    virtual void thinking(const level4::Thinking&) {}
};

class Player {
public:
    virtual ~Player() = default;
    // The computer's turn as the upper side of g. Does on the game's thread what must be done
    // there (levels 1 to 3 search the game itself and leave its state as their turn does) and
    // returns the rest, which reads nothing of g and may run on another thread.
    virtual std::function<Choice()> turn(Game& g, Listener* listener = nullptr) = 0;
    // The move this player would play for the lower side of g (lower) or its upper side, worked out
    // on copies: g is only read. False when that side has no move or drop.
    virtual bool choose(const Game& g, bool lower, ScoredMove& out, Listener* listener = nullptr) = 0;
    // Whether what turn() leaves takes long: worth another thread, and ended by Players::stop().
    virtual bool thinksLong() const { return false; }
};

// Levels 1 to 3.
class ClassicLevel final : public Player {
public:
    explicit ClassicLevel(int level) : level_(level) {}
    std::function<Choice()> turn(Game& g, Listener* listener = nullptr) override;
    bool choose(const Game& g, bool lower, ScoredMove& out, Listener* listener = nullptr) override;

private:
    int level_;
};

// The searching level, with its engine's searcher, time and threads.
class SearchingLevel final : public Player {
public:
    explicit SearchingLevel(int timeMs = 1000) : moveTimeMs(timeMs) {}
    std::function<Choice()> turn(Game& g, Listener* listener = nullptr) override;
    bool choose(const Game& g, bool lower, ScoredMove& out, Listener* listener = nullptr) override;
    bool thinksLong() const override { return true; }

    // Searches for the side to move of the request, for at most moveTimeMs; the listener hears
    // its thinking.
    Choice think(const level4::Request& request, engine::Report* report = nullptr, Listener* listener = nullptr);

    engine::Searcher searcher;
    int moveTimeMs;
    int threads = 2;
    // Who hears the thinking of the game's turns when the turn names no listener.
    Listener* watcher = nullptr;
};

// The time a hint is given.
inline constexpr int kHintTimeMs = 500;

class Players {
public:
    // Levels 1 to 3 search on `threads` threads, or the plain way.
    explicit Players(int threads = search::Pool::defaultSize(), bool plain = false) : classic_(threads, plain) {}
    Players(const Players&) = delete;
    Players& operator=(const Players&) = delete;

    // The menu's level of the searching level.
    static constexpr int kSearching = 4;

    // The player of the menu's level: LEVEL1 to LEVEL3, or LEVEL4 the searching level.
    Player& computer(int level);
    // Where hints come from: the searching level, on a searcher of its own and for kHintTimeMs.
    SearchingLevel& hint() { return hint_; }
    SearchingLevel& searching() { return searching_; }
    search::Engine& classic() { return classic_; }
    // Has LEVEL4's turns played by `player` instead, one that thinks elsewhere (the browser's, in a
    // worker); null for the searching level again.
    void playLevel4With(Player* player) { level4_ = player; }

    // Ends the searching level's search at once and any it is asked for later, until resume().
    void stop() { searching_.searcher.stop(); }
    void resume() { searching_.searcher.resume(); }

private:
    search::Engine classic_;
    ClassicLevel levels_[3]{ClassicLevel(1), ClassicLevel(2), ClassicLevel(3)};
    SearchingLevel searching_;
    SearchingLevel hint_{kHintTimeMs};
    Player* level4_ = nullptr;
};

}  // namespace orizen
