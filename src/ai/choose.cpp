// The computer's choice on a copy of the position, for either side.
#include "ai/choose.h"

#include <memory>

#include "ai/level4.h"
#include "game/headless.h"

namespace orizen {

void turnRound(const Game& g, Game& t) {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) t.pos.Board(28 - x, 28 - y) = int16_t(-g.pos.Board(x, y));
    for (int i = 1; i <= 7; ++i) {
        t.pos.HandUpper(i) = g.pos.HandLower(i);
        t.pos.HandLower(i) = g.pos.HandUpper(i);
    }
    t.pos.UpperHandCount = g.pos.LowerHandCount;
    t.pos.LowerHandCount = g.pos.UpperHandCount;
}

PlannedMove turnBack(const Game::Choice& c) {
    PlannedMove m;
    if (c.fx == -1) {
        m.fromX = 29, m.fromY = 20 + c.fy;  // upper hand index k: lower hand slot row 20 + k
    } else {
        m.fromX = 28 - c.fx, m.fromY = 28 - c.fy;
    }
    m.toX = 28 - c.tx, m.toY = 28 - c.ty;
    m.before = -c.before, m.after = -c.after;
    m.score = c.score;
    return m;
}

bool chooseMove(const Game& g, bool lower, int level, PlannedMove& out) {
    if (level == level4::kLevel) {
        // The searching level plays either side on the game itself, with its history.
        const Game::Choice c = level4::choose(level4::requestOf(g, lower ? engine::LOWER : engine::UPPER));
        if (!c.found) return false;
        out = PlannedMove{c.fx, c.fy, c.tx, c.ty, c.before, c.after, c.score};
        return true;
    }
    // Fresh for every choice: nothing a previous search left in the maps reaches this one.
    auto fresh = std::make_unique<Headless>(g.engine);
    Game& t = fresh->game;
    if (lower) {
        turnRound(g, t);
    } else {
        t.pos.Board = g.pos.Board;
        t.pos.HandUpper = g.pos.HandUpper;
        t.pos.HandLower = g.pos.HandLower;
        t.pos.UpperHandCount = g.pos.UpperHandCount;
        t.pos.LowerHandCount = g.pos.LowerHandCount;
    }
    t.レベル_設定(level);
    t.勢力調査();
    const Game::Choice c = t.探索();
    if (!c.found) return false;
    out = lower ? turnBack(c) : PlannedMove{c.fx, c.fy, c.tx, c.ty, c.before, c.after, c.score};
    return true;
}

int hintSide(const Game& g) {
    if (g.Ended || g.Winner != NO_GAME || g.Turn == NO_GAME) return 0;
    if (g.GameMode == MODE_COMPUTER) return g.Turn == g.HumanSide ? -1 : 0;
    if (g.GameMode == MODE_HUMAN) return g.Turn == g.HumanSide ? -1 : g.Turn == g.OtherSide ? 1 : 0;
    return 0;
}

bool hintMove(const Game& g, bool lower, PlannedMove& out, int level) {
    if (level != level4::kLevel) return chooseMove(g, lower, level, out);
    const level4::Request r = level4::requestOf(g, lower ? engine::LOWER : engine::UPPER);
    const Game::Choice c = level4::toChoice(r.position, level4::bestMove(r.position, kHintTimeMs, r.seen));
    if (!c.found) return false;
    out = PlannedMove{c.fx, c.fy, c.tx, c.ty, c.before, c.after, c.score};
    return true;
}

}  // namespace orizen
