// The engine's fingerprint: every candidate score bit for bit, the choice, the maps no survey
// clears and the turn's working state, over the sample positions and whole self-play games, for
// each way of running the search. Any change that alters one bit of a choice or of what a turn
// leaves behind changes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orizen::fingerprint {

// A way of running the search: the quick way on 1 to 8 threads, or the plain way (threads 0).
struct Mode {
    int threads;
    std::string name() const;
};
std::vector<Mode> allModes();  // 1, 2 and 8 threads, then the plain way

struct Options {
    std::string sourceDir;          // the project's folder (test data)
    std::vector<Mode> modes = allModes();
    bool longGames = true;          // include the 500-ply game
};

// One line per sample and per game, "name hash" when every mode agrees, otherwise the line names
// each mode's hash. Sets `agree` to false when some line's modes differ.
std::string run(const Options& options, bool& agree);

}  // namespace orizen::fingerprint
