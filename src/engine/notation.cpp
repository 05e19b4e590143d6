#include "engine/notation.h"

#include <cstdio>
#include <memory>

namespace orizen::engine {

std::string moveText(Move m) {
    const int to = moveTo(m);
    char buf[32];
    if (isDrop(m))
        std::snprintf(buf, sizeof buf, "D%d-%d,%d", moveFrom(m), sqX(to), sqY(to));
    else
        std::snprintf(buf, sizeof buf, "%d,%d-%d,%d%s", sqX(moveFrom(m)), sqY(moveFrom(m)), sqX(to), sqY(to),
                      isPromotion(m) ? "+" : "");
    return buf;
}

Move parseMove(const Position& p, const std::string& text) {
    const auto buffer = std::make_unique<Move[]>(kMaxMoves);
    MoveList l{buffer.get()};
    generateAll(p, l);
    for (int i = 0; i < l.n; ++i)
        if (moveText(l.m[i]) == text) return l.m[i];
    return kNoMove;
}

}  // namespace orizen::engine
