// The players: levels 1 to 3 on the game or a fresh copy of it, the searching level on a request.
#include "game/player.h"

#include <memory>

#include "game/headless.h"

namespace orizen {

namespace {

void candidateTo(void* listener, const ScoredMove& c) { static_cast<Listener*>(listener)->candidate(c); }

}  // namespace

std::function<Choice()> ClassicLevel::turn(Game& g, Listener* listener) {
    const Choice c = listener != nullptr ? g.探索(candidateTo, listener) : g.探索();
    return [c] { return c; };
}

bool ClassicLevel::choose(const Game& g, bool lower, ScoredMove& out, Listener*) {
    // Fresh for every choice: nothing a previous search left in the maps reaches this one.
    auto fresh = std::make_unique<Headless>(g.players());
    Game& t = fresh->game;
    if (lower) {
        turnRound(g, t);
    } else {
        t.arrange().pos.Board = g.position().Board;
        t.arrange().pos.HandUpper = g.position().HandUpper;
        t.arrange().pos.HandLower = g.position().HandLower;
        t.arrange().pos.UpperHandCount = g.position().UpperHandCount;
        t.arrange().pos.LowerHandCount = g.position().LowerHandCount;
    }
    t.レベル_設定(level_);
    t.勢力調査();
    const Choice c = t.探索();
    if (!c.found) return false;
    out = lower ? turnBack(c) : ScoredMove{c.move, c.score};
    return true;
}

Choice SearchingLevel::think(const level4::Request& request, engine::Report* report, Listener* listener) {
    engine::Limits limits;
    limits.movetimeMs = moveTimeMs;
    limits.threads = threads;
    struct Hook {
        const engine::Position* root;
        Listener* listener;
    } hook{&request.position, listener};
    if (listener != nullptr) {
        limits.context = &hook;
        limits.onDepth = [](void* context, const engine::Report& r) {
            const Hook& h = *static_cast<const Hook*>(context);
            h.listener->thinking(level4::thinkingOf(*h.root, r));
        };
    }
    const engine::Report r = searcher.think(request.position, request.seen.data(), int(request.seen.size()), limits);
    if (listener != nullptr && r.move != engine::kNoMove) listener->thinking(level4::thinkingOf(request.position, r));
    if (report != nullptr) *report = r;
    return level4::toChoice(request.position, r);
}

std::function<Choice()> SearchingLevel::turn(Game& g, Listener* listener) {
    auto request = std::make_shared<const level4::Request>(level4::requestOf(g, engine::UPPER));
    if (listener == nullptr) listener = watcher;
    return [this, request, listener] {
        engine::Report r;
        const Choice c = think(*request, &r, listener);
        if (listener != nullptr) listener->searched(r);
        return c;
    };
}

bool SearchingLevel::choose(const Game& g, bool lower, ScoredMove& out, Listener* listener) {
    // Either side, on the game's own position with its history.
    const Choice c = think(level4::requestOf(g, lower ? engine::LOWER : engine::UPPER), nullptr, listener);
    if (!c.found) return false;
    out = ScoredMove{c.move, c.score};
    return true;
}

Player& Players::computer(int level) {
    if (level == kSearching) return level4_ != nullptr ? *level4_ : searching_;
    return levels_[level >= 1 && level <= 3 ? level - 1 : 2];
}

}  // namespace orizen
