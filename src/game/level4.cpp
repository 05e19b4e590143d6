// The searching level's bridge between the game and the engine.
#include "game/level4.h"

#include <algorithm>

namespace orizen::level4 {

using namespace engine;
using engine::Move;
using engine::Position;

namespace {

// A game's position for the engine to search, hands cut to 200.
Position searchable(const orizen::Position& from, int side) {
    Position p;
    static_cast<orizen::Position&>(p) = from;
    for (int k = 1; k <= 7; ++k) {
        p.HandUpper(k) = std::clamp(p.HandUpper(k), 0, 200);
        p.HandLower(k) = std::clamp(p.HandLower(k), 0, 200);
    }
    p.side = side;
    p.refresh();
    return p;
}

}  // namespace

Position positionOf(const Game& g, int side) { return searchable(g.position(), side); }

Request requestOf(const Game& g, int side) {
    const History& hist = g.moveHistory();
    Request r{positionOf(g, side), {}};
    // Walk the history back from the board; stop at the first entry that does not fit.
    orizen::Position before = g.position();
    for (int n = std::min(hist.RecordCount, HISTORY_MAX); n >= 1; --n) {
        const int fx = hist.RecFromX(n), fy = hist.RecFromY(n), tx = hist.RecToX(n), ty = hist.RecToY(n);
        const int piece = hist.RecPiece(n), result = hist.RecResult(n), captured = hist.RecCaptured(n);
        if (!onBoard(tx, ty) || before.Board(tx, ty) != result || piece == 0) break;
        const bool byUpper = piece > 0;
        Row<int, 8>& mine = byUpper ? before.HandUpper : before.HandLower;
        if (captured != 0 && kindOf(captured) != 0) --mine(kindOf(captured));
        before.Board(tx, ty) = int16_t(captured);
        if (onBoard(fx, fy)) {
            before.Board(fx, fy) = int16_t(piece);
        } else if (kindOf(result) != 0) {
            ++mine(kindOf(result));
        } else {
            break;
        }
        r.seen.push_back(searchable(before, byUpper ? UPPER : LOWER).key);
    }
    return r;
}

orizen::Move moveOf(const Position& p, engine::Move m) {
    orizen::Move g;
    const int sg = p.side == UPPER ? 1 : -1, to = moveTo(m);
    g.tx = sqX(to), g.ty = sqY(to);
    if (isDrop(m)) {
        const int kind = moveFrom(m);
        g.fx = p.side == UPPER ? -1 : 29;
        g.fy = p.side == UPPER ? kind : 20 + kind;
        g.before = g.after = sg * kCode[kKindType[kind]];
    } else {
        const int from = moveFrom(m), t = p.cell[from] < 0 ? -p.cell[from] : p.cell[from];
        g.fx = sqX(from), g.fy = sqY(from);
        g.before = sg * kCode[t];
        g.after = sg * kCode[isPromotion(m) ? t + 1 : t];
    }
    return g;
}

Game::Choice toChoice(const Position& p, const Report& r) {
    Game::Choice c;
    if (r.move == kNoMove) return c;
    c.found = true;
    c.move = moveOf(p, r.move);
    c.score = r.score;
    return c;
}

Thinking thinkingOf(const Position& root, const Report& r) {
    Thinking t{r.depth, r.score, root.side == LOWER, {}};
    Position p = root;
    for (int i = 0; i < r.pvLength && p.king[UPPER] != 0 && p.king[LOWER] != 0; ++i) {
        t.line.push_back(moveOf(p, r.pv[i]));
        Undo u;
        p.make(r.pv[i], u);
    }
    return t;
}

}  // namespace orizen::level4
