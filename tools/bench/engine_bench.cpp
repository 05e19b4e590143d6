// Speed of the searching level on the turn suite: nodes per second, the depth completed in the
// time given and when each depth was done (the first is the time to a first move).
//   build/orizen_engine_bench [MS [THREADS]]      (default 1000 ms, 2 threads)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ai/level4.h"
#include "cli/position.h"

int main(int argc, char** argv) {
    using namespace orizen;
    const int ms = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int threads = argc > 2 ? std::atoi(argv[2]) : 2;
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(ORIZEN_BENCH_TURNS))
        if (e.path().extension() == ".pos") files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    std::printf("%-10s %5s %10s %9s %9s %9s %9s  (%d ms, %d threads)\n", "position", "depth", "nodes", "knps",
                "depth 1", "depth 3", "depth 4", ms, threads);
    for (const std::string& f : files) {
        cli::Position pos;
        std::string error;
        if (!cli::readPosition(f, pos, error)) {
            std::fprintf(stderr, "%s: %s\n", f.c_str(), error.c_str());
            return 2;
        }
        NullCanvas canvas;
        NullHost host;
        NullSound sound;
        Game g{canvas, host, sound};
        g.setPosition(pos.board, pos.handUpper, pos.handLower);
        const engine::Position p = level4::positionOf(g, engine::UPPER);
        engine::clearTable();
        engine::Limits limits;
        limits.movetimeMs = ms;
        limits.threads = threads;
        const engine::Report r = engine::think(p, nullptr, 0, limits);
        auto at = [&](int d) { return d <= r.depth ? r.depthSeconds[d] * 1000 : -1.0; };
        std::printf("%-10s %5d %10llu %9.0f %9.1f %9.1f %9.1f%s\n", std::filesystem::path(f).stem().string().c_str(),
                    r.depth, static_cast<unsigned long long>(r.nodes), r.seconds > 0 ? r.nodes / r.seconds / 1000 : 0.0,
                    at(1), at(3), at(4), r.forced ? "  (forced)" : "");
    }
    return 0;
}
