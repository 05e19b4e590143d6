// The differential sweep: positions of every stage of a game, made from a seed, each searched the
// quick way and the plain way in one process; the candidates, the choice and the state the turn
// leaves behind must agree bit for bit.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orizen::sweep {

struct Report {
    long tried = 0;        // positions searched both ways
    std::string what;      // the first difference, empty when none
    std::string position;  // the position that showed it, as a position file
};

// Searches `positions` positions drawn from `seed`; stops at the first difference. `progress`, when
// given, is called with the count after every game.
Report run(uint64_t seed, long positions, const std::function<void(long)>& progress = {});

}  // namespace orizen::sweep
