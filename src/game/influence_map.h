// Who holds each square: the balance of the two sides' influence, from a survey of a copy of the
// board, so that the game's own maps (and what its next turn reads from them) stay untouched.
#pragma once

#include <cstdint>
#include <memory>

#include "rules/grid.h"

namespace orizen {

struct Headless;

class InfluenceMap {
public:
    InfluenceMap();
    ~InfluenceMap();

    // Surveys `board` unless it is the board surveyed last; true when the balance changed.
    bool update(const Cells& board);
    // How many more lower pieces than upper pieces reach square (x, y), 1..27 each.
    int balance(int x, int y) const { return balance_(x, y); }

private:
    std::unique_ptr<Headless> survey_;
    Cells board_;
    Grid<int16_t> balance_{};
    bool surveyed_ = false;
};

}  // namespace orizen
