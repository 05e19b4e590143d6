// orizen-cli: the game model and the computer player without a window.
#include <cstdio>
#include <cstring>

#include "cli/commands.h"

namespace {

using namespace orizen::cli;

struct Subcommand {
    const char* name;
    const char* usage;
    const char* summary;
    int (*run)(int argc, char** argv);
};

// One entry per subcommand, each implemented in its own file; the table is the help's order.
const Subcommand kSubcommands[] = {
    {"bestmove", "bestmove [--scores] [--movetime MS] FILE", "the computer's move for the upper side (and every scored candidate)",
     runBestmove},
    {"survey", "survey FILE", "influence maps, pinned pieces and kings after one survey", runSurvey},
    {"mate", "mate FILE", "the lower king's escape squares and both mate tests", runMate},
    {"replay", "replay [--upto N] RECORD", "the position a game record reaches", runReplay},
    {"selfplay", "selfplay [OPTIONS] [FILE]", "the computer against itself, ply by ply", runSelfplay},
    {"engine", "engine", "the searching level as a program: position, go, quit on standard input", runEngine},
};

void help() {
    std::puts("usage: orizen-cli <subcommand> [options] FILE");
    std::puts("");
    std::puts("subcommands:");
    for (const Subcommand& s : kSubcommands) std::printf("  %-26s %s\n", s.usage, s.summary);
    std::puts("");
    std::puts("FILE is a position file: 'board' and 27 rows of 27 piece codes (or 'opening'),");
    std::puts("'hand-upper' and 'hand-lower' with 7 counts each, optionally 'level 1|2|3|4'.");
    std::puts("selfplay options: --upper-level N, --lower-level N (1..4, default 3), --first lower|upper");
    std::puts("(default lower), --plies K (default and most 500); FILE defaults to the opening array.");
    std::puts("--movetime MS (bestmove, selfplay): level 4's time per move, default 1000.");
    std::puts("Exit status: 0 on success, 2 for a refused file or bad arguments.");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return refuse("no subcommand (see orizen-cli --help)");
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        help();
        return 0;
    }
    for (const Subcommand& s : kSubcommands)
        if (std::strcmp(argv[1], s.name) == 0) return s.run(argc - 2, argv + 2);
    return refuse(std::string("unknown subcommand '") + argv[1] + "' (see orizen-cli --help)");
}
