// orizen-cli bestmove [--scores] [--movetime MS] FILE: the move the computer's turn would play,
// and optionally every candidate it scored on the way (level 4: its depth, nodes and line).
#include <cstring>

#include "classic/search.h"
#include "cli/commands.h"
#include "engine/notation.h"
#include "game/player.h"

namespace orizen::cli {

namespace {

void move(Output& out, const char* key, int fx, int fy, int tx, int ty, int before, int after, double score) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "%s %d %d %d %d %d %d %.6f\n", key, fx, fy, tx, ty, before, after, score);
    out.word(buf);
}

// "candidate ..." lines, or one "info depth D score S nodes N time T pv M ..." line where each move
// of the line is FX,FY-TX,TY, a drop D<kind>-TX,TY, with + when it promotes.
struct Printer final : Listener {
    explicit Printer(Output& o) : out(o) {}
    Output& out;
    void candidate(const ScoredMove& c) override;
    void searched(const engine::Report& r) override;
};

void Printer::candidate(const ScoredMove& c) {
    move(out, "candidate", c.move.fx, c.move.fy, c.move.tx, c.move.ty, c.move.before, c.move.after, c.score);
}

void Printer::searched(const engine::Report& r) {
    char buf[200];
    std::snprintf(buf, sizeof buf, "info depth %d score %d nodes %llu time %.3f%s pv", r.depth, r.score,
                  static_cast<unsigned long long>(r.nodes), r.seconds, r.forced ? " forced" : "");
    out.word(buf);
    for (int i = 0; i < r.pvLength; ++i) {
        out.word(" ");
        out.text += engine::moveText(r.pv[i]);
    }
    out.word("\n");
}

}  // namespace

int runBestmove(int argc, char** argv) {
    constexpr const char* kUsage = "usage: orizen-cli bestmove [--scores] [--movetime MS] FILE";
    bool scores = false;
    int moveTime = 0;
    const char* file = nullptr;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scores") == 0 && !scores)
            scores = true;
        else if (std::strcmp(argv[i], "--movetime") == 0 && moveTime == 0) {
            if (i + 1 >= argc || !parseMoveTime(argv[++i], moveTime))
                return refuse("--movetime takes a positive number of milliseconds");
        } else if (file == nullptr && argv[i][0] != '-')
            file = argv[i];
        else
            return refuse(kUsage);
    }
    if (file == nullptr) return refuse(kUsage);
    Players players;
    const search::Warmup warmup(players.classic());  // threads and buffers are made while the file loads
    auto h = load(file, &players);
    if (!h) return kExitRefused;
    if (moveTime > 0) players.searching().moveTimeMs = moveTime;

    Output out;
    Printer printer(out);
    const Game::Choice c = players.computer(h->game.options().ComputerLevel).turn(h->game, scores ? &printer : nullptr)();
    if (c.found)
        move(out, "bestmove", c.move.fx, c.move.fy, c.move.tx, c.move.ty, c.move.before, c.move.after, c.score);
    else
        out.word("bestmove none\n");
    return out.flush() ? 0 : 1;
}

}  // namespace orizen::cli
