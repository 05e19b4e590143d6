// The influence survey runs once per candidate of the computer's search; the mate tests once per
// move, 詰めかCOM with a survey per trial.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cli/commands.h"
#include "cli/position.h"

namespace {

using namespace orizen;

std::unique_ptr<cli::Headless> load(const char* name, bool turned = false) {
    const std::string path = std::string(ORIZEN_BENCH_POSITIONS) + "/" + name;
    cli::Position pos;
    std::string error;
    if (!cli::readPosition(path, pos, error)) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
        std::exit(1);
    }
    if (turned) {  // the other side's view: turn the board round and swap the hands
        const Grid<int16_t> b = pos.board;
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y) pos.board(x, y) = int16_t(-b(28 - x, 28 - y));
        std::swap(pos.handUpper, pos.handLower);
    }
    auto h = std::make_unique<cli::Headless>();
    cli::place(h->game, pos);
    return h;
}

void survey(benchmark::State& state, const char* name) {
    auto h = load(name);
    for (auto _ : state) {
        h->game.勢力調査();
        benchmark::DoNotOptimize(h->game.survey().UpperInfluence(14, 14));
    }
}
BENCHMARK_CAPTURE(survey, opening, "opening.pos");
BENCHMARK_CAPTURE(survey, midgame, "midgame.pos");
BENCHMARK_CAPTURE(survey, empty, "empty.pos");  // the clear pass and an empty scan

void pinned(benchmark::State& state) {
    auto h = load("midgame.pos");
    for (auto _ : state) {
        h->game.調査_移動不可駒();
        benchmark::DoNotOptimize(h->game.survey().UpperPinFound);
    }
}
BENCHMARK(pinned);

void mateLower(benchmark::State& state) {
    auto h = load("double_check.pos");
    if (h->game.詰めかMAN() != YES) state.SkipWithError("position is not mate");
    for (auto _ : state) benchmark::DoNotOptimize(h->game.詰めかMAN());
}
BENCHMARK(mateLower);

void mateUpper(benchmark::State& state) {
    auto h = load("double_check.pos", true);
    for (auto _ : state) {
        h->game.勢力調査();
        benchmark::DoNotOptimize(h->game.詰めかCOM());
    }
}
BENCHMARK(mateUpper);

}  // namespace

BENCHMARK_MAIN();
