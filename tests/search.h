// Positions built by hand for the computer player's tests, and the search's scored candidates.
#pragma once

#include <initializer_list>
#include <vector>

#include "play.h"

namespace orizen::test {

struct Piece {
    int x, y, code;
};

// An empty board holding only the given pieces, the given hands, and one influence survey, as a
// position file is placed before a search.
inline void setUp(Game& g, std::initializer_list<Piece> pieces, Row<int, 8> upper = {}, Row<int, 8> lower = {}) {
    g.arrange().pos.Board.fill(EMPTY);
    for (const Piece& p : pieces) g.arrange().pos.Board(p.x, p.y) = static_cast<int16_t>(p.code);
    g.arrange().pos.HandUpper = upper;
    g.arrange().pos.HandLower = lower;
    g.arrange().pos.UpperHandCount = handSum(upper);
    g.arrange().pos.LowerHandCount = handSum(lower);
    g.勢力調査();
}

inline Row<int, 8> hand(int pawn, int lance, int knight, int silver, int gold, int bishop, int rook) {
    return Row<int, 8>{{0, pawn, lance, knight, silver, gold, bishop, rook}};
}

// Everything one search scored, in its order.
struct Scored {
    std::vector<Game::ScoredMove> all;
    Game::Choice choice;

    static void sink(void* self, const Game::ScoredMove& c) { static_cast<Scored*>(self)->all.push_back(c); }

    // The scores given to one candidate (two for a move with optional promotion).
    std::vector<const Game::ScoredMove*> of(int fx, int fy, int tx, int ty) const {
        std::vector<const Game::ScoredMove*> r;
        for (const auto& c : all)
            if (c.move.fx == fx && c.move.fy == fy && c.move.tx == tx && c.move.ty == ty) r.push_back(&c);
        return r;
    }
    double score(int fx, int fy, int tx, int ty, int after) const {
        for (const auto& c : all)
            if (c.move.fx == fx && c.move.fy == fy && c.move.tx == tx && c.move.ty == ty && c.move.after == after)
                return c.score;
        ADD_FAILURE() << "no candidate " << fx << ' ' << fy << ' ' << tx << ' ' << ty << ' ' << after;
        return 0;
    }
};

inline Scored search(Game& g) {
    Scored s;
    s.choice = g.探索(&Scored::sink, &s);
    return s;
}

}  // namespace orizen::test
