// orizen-cli engine: the searching level as a program another one plays against (a match between
// builds), one command a line on standard input:
//   position FILE [moves M ...]   the position file with the lower side to move, then the moves
//   go MS [THREADS]               answers "bestmove M" (or "bestmove none") after at most MS ms,
//                                 searching on THREADS threads (1 or 2; default 1)
//   quit
// Moves are written as engine::moveText writes them; a move the rules refuse ends the command with
// "error: ...". The searcher is kept from one command to the next, as in a game.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "engine/notation.h"
#include "engine/search.h"

namespace orizen::cli {

int runEngine(int argc, char**) {
    if (argc != 0) return refuse("usage: orizen-cli engine");
    engine::Searcher searcher;
    engine::Position p;
    std::vector<uint64_t> seen;
    bool ready = false;
    char* text = nullptr;
    size_t room = 0;
    while (::getline(&text, &room, stdin) >= 0) {
        std::istringstream in(text);
        std::string word;
        in >> word;
        if (word == "quit") break;
        if (word == "position") {
            std::string file, bad;
            in >> file >> word;  // the file, then "moves"
            std::vector<std::string> moves;
            for (std::string m; in >> m;) moves.push_back(m);
            ready = replayMoves(file, moves, p, seen, bad);
            if (!bad.empty()) std::printf("error: %s is not a move here\n", bad.c_str());
        } else if (word == "go" && ready) {
            engine::Limits limits;
            in >> limits.movetimeMs;
            int threads = 1;
            limits.threads = in >> threads ? std::clamp(threads, 1, 2) : 1;
            const engine::Report r = searcher.think(p, seen.data(), int(seen.size()), limits);
            std::printf("bestmove %s\n", r.move == engine::kNoMove ? "none" : engine::moveText(r.move).c_str());
        } else {
            std::printf("error: %s\n", ready ? "unknown command" : "no position");
        }
        std::fflush(stdout);
    }
    std::free(text);
    return 0;
}

}  // namespace orizen::cli
