// The position turned round and back, and the side a hint is for.
#include "game/choose.h"

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

ScoredMove turnBack(const Game::Choice& c) {
    ScoredMove m;
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

int hintSide(const Game& g) {
    if (g.state().Ended || g.state().Winner != NO_GAME || g.state().Turn == NO_GAME) return 0;
    if (g.state().GameMode == MODE_COMPUTER) return g.state().Turn == g.state().HumanSide ? -1 : 0;
    if (g.state().GameMode == MODE_HUMAN)
        return g.state().Turn == g.state().HumanSide ? -1 : g.state().Turn == g.state().OtherSide ? 1 : 0;
    return 0;
}

}  // namespace orizen
