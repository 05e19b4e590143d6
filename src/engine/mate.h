// A search of checks only: the side to move checks at each of its moves (board moves and every
// drop that checks), the other side answers with each move that parries. It sees mates further
// than the full-width search does in the same time, because it looks at so few moves.
#pragma once

#include <chrono>
#include <cstdint>

#include "engine/position.h"

namespace orizen::engine {

class MateFinder {
public:
    static constexpr int kMaxPlies = 9;

    // A mate by the side to move within `maxPlies` plies (odd), looked for at 1, 3, ... plies
    // until `deadline` or `nodeLimit` nodes: the number of plies and the first move, or 0.
    int find(const Position& root, int maxPlies, std::chrono::steady_clock::time_point deadline,
             uint64_t nodeLimit, Move& first);
    uint64_t nodes() const { return nodes_; }

private:
    bool attack(int plies, int ply);
    bool defend(int plies, int ply);
    int checks(int ply);
    bool out();

    Position p_;
    uint64_t nodes_ = 0, limit_ = 0;
    std::chrono::steady_clock::time_point deadline_;
    bool stopped_ = false;
    Move best_ = kNoMove;
    Move moves_[kMaxPlies + 1][kMaxMoves];
};

}  // namespace orizen::engine
