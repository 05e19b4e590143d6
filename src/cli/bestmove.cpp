// orizen-cli bestmove [--scores] FILE: the move the computer's turn would play, and optionally
// every candidate it scored on the way.
#include <cstring>

#include "cli/commands.h"

namespace orizen::cli {

namespace {

void move(Output& out, const char* key, int fx, int fy, int tx, int ty, int before, int after, double score) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "%s %d %d %d %d %d %d %.6f\n", key, fx, fy, tx, ty, before, after, score);
    out.word(buf);
}

void printCandidate(void* context, const Game::ScoredCandidate& c) {
    move(*static_cast<Output*>(context), "candidate", c.fx, c.fy, c.tx, c.ty, c.before, c.after, c.score);
}

}  // namespace

int runBestmove(int argc, char** argv) {
    bool scores = false;
    const char* file = nullptr;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scores") == 0 && !scores)
            scores = true;
        else if (file == nullptr && argv[i][0] != '-')
            file = argv[i];
        else
            return refuse("usage: orizen-cli bestmove [--scores] FILE");
    }
    if (file == nullptr) return refuse("usage: orizen-cli bestmove [--scores] FILE");
    auto h = load(file);
    if (!h) return kExitRefused;

    Output out;
    const Game::Choice c =
        scores ? h->game.探索(printCandidate, &out) : h->game.探索();
    if (c.found)
        move(out, "bestmove", c.fx, c.fy, c.tx, c.ty, c.before, c.after, c.score);
    else
        out.word("bestmove none\n");
    return out.flush() ? 0 : 1;
}

}  // namespace orizen::cli
