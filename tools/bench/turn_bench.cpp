// Whole computer turns (com_ban) on a fixed suite of positions: one turn per repetition, so the
// median and the worst turn of each position are reported (after one untimed turn each).
//   build/tools/bench/orizen_turn_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "cli/position.h"

namespace {

using namespace orizen;

struct Headless {
    NullCanvas canvas;
    NullHost host;
    NullSound sound;
    Game game{canvas, host, sound};
};

std::unique_ptr<Headless> load(const std::string& path) {
    cli::Position pos;
    std::string error;
    if (!cli::readPosition(path, pos, error)) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
        std::exit(1);
    }
    auto h = std::make_unique<Headless>();
    cli::place(h->game, pos);
    h->game.GameMode = MODE_COMPUTER;
    h->game.Turn = h->game.OtherSide;
    return h;
}

void turn(benchmark::State& state, const std::string& path) {
    const auto proto = load(path);
    for (auto _ : state) {
        state.PauseTiming();
        Game game(proto->game);  // the same state before every turn
        state.ResumeTiming();
        game.com_ban();
        benchmark::DoNotOptimize(game.Board.v[14][14]);
    }
}

double worst(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

const char* const kSuite[][2] = {
    {"opening", "turns/opening.pos"}, {"early", "turns/early.pos"},   {"middle", "turns/middle.pos"},
    {"late", "turns/late.pos"},       {"check", "turns/check.pos"},   {"drops", "turns/drops.pos"},
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (const auto& [name, file] : kSuite) {
        const std::string path = std::string(ORIZEN_BENCH_DIR) + "/" + file;
        // One turn first, untimed: the search's threads and buffers are made on first use.
        Game(load(path)->game).com_ban();
        benchmark::RegisterBenchmark((std::string("turn/") + name).c_str(), turn, path)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(30)
            ->ComputeStatistics("worst", worst)
            ->ReportAggregatesOnly(true);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
