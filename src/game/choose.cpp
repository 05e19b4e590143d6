// The computer's choice on a copy of the position, for either side.
#include "game/choose.h"

#include <memory>

#include "game/level4.h"
#include "game/headless.h"

namespace orizen {

void turnRound(const Game& g, Game& t) {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) t.arrange().pos.Board(28 - x, 28 - y) = int16_t(-g.position().Board(x, y));
    for (int i = 1; i <= 7; ++i) {
        t.arrange().pos.HandUpper(i) = g.position().HandLower(i);
        t.arrange().pos.HandLower(i) = g.position().HandUpper(i);
    }
    t.arrange().pos.UpperHandCount = g.position().LowerHandCount;
    t.arrange().pos.LowerHandCount = g.position().UpperHandCount;
}

PlannedMove turnBack(const Game::Choice& c) {
    PlannedMove m;
    if (c.move.fx == -1) {
        m.move.fx = 29, m.move.fy = 20 + c.move.fy;  // upper hand index k: lower hand slot row 20 + k
    } else {
        m.move.fx = 28 - c.move.fx, m.move.fy = 28 - c.move.fy;
    }
    m.move.tx = 28 - c.move.tx, m.move.ty = 28 - c.move.ty;
    m.move.before = -c.move.before, m.move.after = -c.move.after;
    m.score = c.score;
    return m;
}

bool chooseMove(const Game& g, bool lower, int level, PlannedMove& out) {
    if (level == level4::kLevel) {
        // The searching level plays either side on the game itself, with its history.
        const Game::Choice c = level4::choose(level4::requestOf(g, lower ? engine::LOWER : engine::UPPER));
        if (!c.found) return false;
        out = PlannedMove{c.move, c.score};
        return true;
    }
    // Fresh for every choice: nothing a previous search left in the maps reaches this one.
    auto fresh = std::make_unique<Headless>(g.searchEngine());
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
    t.レベル_設定(level);
    t.勢力調査();
    const Game::Choice c = t.探索();
    if (!c.found) return false;
    out = lower ? turnBack(c) : PlannedMove{c.move, c.score};
    return true;
}

int hintSide(const Game& g) {
    if (g.state().Ended || g.state().Winner != NO_GAME || g.state().Turn == NO_GAME) return 0;
    if (g.state().GameMode == MODE_COMPUTER) return g.state().Turn == g.state().HumanSide ? -1 : 0;
    if (g.state().GameMode == MODE_HUMAN)
        return g.state().Turn == g.state().HumanSide ? -1 : g.state().Turn == g.state().OtherSide ? 1 : 0;
    return 0;
}

bool hintMove(const Game& g, bool lower, PlannedMove& out, int level) {
    if (level != level4::kLevel) return chooseMove(g, lower, level, out);
    const level4::Request r = level4::requestOf(g, lower ? engine::LOWER : engine::UPPER);
    const Game::Choice c = level4::toChoice(r.position, level4::bestMove(r.position, kHintTimeMs, r.seen));
    if (!c.found) return false;
    out = PlannedMove{c.move, c.score};
    return true;
}

}  // namespace orizen
