// Speed of the searching level on the turn suite: nodes per second, the depth completed in the
// time given and when each depth was done (the first is the time to a first move).
//   build/orizen_engine_bench [MS [THREADS]]      (default 1000 ms, 2 threads)
// With --depth N, one thread searches each position of the suite for each side to depth N and
// prints the move, score and nodes, then their sum: the same on every machine, a check that a
// change of the engine's code left its search alone.
//   build/orizen_engine_bench --depth N
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "game/headless.h"
#include "game/level4.h"
#include "cli/position.h"

using namespace orizen;

namespace {

// Searches every position of the suite to `depth` on one thread; prints what it found.
void fixedDepth(const std::vector<std::string>& files, const std::vector<cli::Position>& positions, int depth) {
    unsigned long long total = 0;
    engine::Searcher searcher;
    for (size_t i = 0; i < files.size(); ++i)
        for (int side : {engine::UPPER, engine::LOWER}) {
            Headless h;
            Game& g = h.game;
            g.setPosition(positions[i].board, positions[i].handUpper, positions[i].handLower);
            const engine::Position p = level4::positionOf(g, side);
            searcher.clear();
            engine::Limits limits;
            limits.movetimeMs = 1 << 30;
            limits.maxDepth = depth;
            limits.mateNodes = 20000;  // few, and a count, not a time: the same on every machine
            limits.threads = 1;
            const engine::Report r = searcher.think(p, nullptr, 0, limits);
            const Game::Choice c = level4::toChoice(p, r);
            std::printf("%-10s %-5s %3d %3d %3d %3d %5d %5d %7d %12llu\n",
                        std::filesystem::path(files[i]).stem().string().c_str(), side == engine::UPPER ? "upper" : "lower",
                        c.move.fx, c.move.fy, c.move.tx, c.move.ty, c.move.before, c.move.after, r.score,
                        static_cast<unsigned long long>(r.nodes));
            total += r.nodes;
        }
    std::printf("nodes %llu\n", total);
}

}  // namespace

int main(int argc, char** argv) {
    const bool depthMode = argc > 2 && std::strcmp(argv[1], "--depth") == 0;
    const int ms = !depthMode && argc > 1 ? std::atoi(argv[1]) : 1000;
    const int threads = !depthMode && argc > 2 ? std::atoi(argv[2]) : 2;
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(ORIZEN_BENCH_TURNS))
        if (e.path().extension() == ".pos") files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    std::vector<cli::Position> positions(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        std::string error;
        if (!cli::readPosition(files[i], positions[i], error)) {
            std::fprintf(stderr, "%s: %s\n", files[i].c_str(), error.c_str());
            return 2;
        }
    }
    if (depthMode) {
        fixedDepth(files, positions, std::atoi(argv[2]));
        return 0;
    }
    std::printf("%-10s %5s %10s %9s %9s %9s %9s %9s %9s  (%d ms, %d threads)\n", "position", "depth", "nodes", "knps",
                "depth 1", "depth 3", "depth 4", "depth 5", "depth 6", ms, threads);
    engine::Searcher searcher;
    for (size_t i = 0; i < files.size(); ++i) {
        const cli::Position& pos = positions[i];
        const std::string& f = files[i];
        Headless h;
        Game& g = h.game;
        g.setPosition(pos.board, pos.handUpper, pos.handLower);
        const engine::Position p = level4::positionOf(g, engine::UPPER);
        searcher.clear();
        engine::Limits limits;
        limits.movetimeMs = ms;
        limits.threads = threads;
        const engine::Report r = searcher.think(p, nullptr, 0, limits);
        auto at = [&](int d) { return d <= r.depth ? r.depthSeconds[d] * 1000 : -1.0; };
        std::printf("%-10s %5d %10llu %9.0f %9.1f %9.1f %9.1f %9.1f %9.1f%s\n",
                    std::filesystem::path(f).stem().string().c_str(), r.depth, static_cast<unsigned long long>(r.nodes),
                    r.seconds > 0 ? r.nodes / r.seconds / 1000 : 0.0, at(1), at(3), at(4), at(5), at(6),
                    r.forced ? "  (forced)" : "");
    }
    return 0;
}
