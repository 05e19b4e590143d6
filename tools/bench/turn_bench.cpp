// Whole computer turns (com_ban) on a fixed suite of positions: one turn per repetition, so the
// median and the worst turn of each position are reported (after one untimed turn each). Then the
// first turn of a process, where the search's threads and buffers are made: each position in a
// fresh process of its own, start-up and loading not counted, against the median later turn. A
// first turn is taken twice: at once after loading (as orizen-cli bestmove), and 50 ms later, when
// the start-up's warm-up is done (as the window's first turn, which comes after the person's move);
// the wait is spun, so that the core is as busy as for later turns.
//   build/tools/bench/orizen_turn_bench
//   build/tools/bench/orizen_turn_bench --first-turn FILE [WAIT_MS]   (one first turn; prints ms)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "classic/search.h"
#include "cli/position.h"
#include "game/headless.h"

namespace {

using namespace orizen;

std::unique_ptr<Headless> load(const std::string& path, Players& players) {
    cli::Position pos;
    std::string error;
    if (!cli::readPosition(path, pos, error)) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
        std::exit(1);
    }
    auto h = std::make_unique<Headless>(players);
    cli::place(h->game, pos);
    h->game.arrangeFlow().GameMode = MODE_COMPUTER;
    h->game.arrangeFlow().Turn = h->game.state().OtherSide;
    return h;
}

void turn(benchmark::State& state, const std::string& path, Players& players) {
    const auto proto = load(path, players);
    for (auto _ : state) {
        state.PauseTiming();
        const auto held = replica(proto->game);  // the same state before every turn
        state.ResumeTiming();
        held->game.com_ban();
        benchmark::DoNotOptimize(held->game.position().Board(14, 14));
    }
}

double worst(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

const char* const kSuite[][2] = {
    {"opening", "turns/opening.pos"}, {"early", "turns/early.pos"},   {"middle", "turns/middle.pos"},
    {"late", "turns/late.pos"},       {"check", "turns/check.pos"},   {"drops", "turns/drops.pos"},
};

}  // namespace

double milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Milliseconds of one turn on a fresh copy of the position.
double timedTurn(const Game& proto) {
    const auto held = replica(proto);
    const auto t0 = std::chrono::steady_clock::now();
    held->game.com_ban();
    return milliseconds(std::chrono::steady_clock::now() - t0);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The first turn in a fresh process, `runs` times, against later turns of this one.
void firstTurns(int runs, Players& players) {
    std::printf("\n%-10s %22s %22s %22s\n", "position", "first turn (ms)", "after 50 ms (ms)", "later turn (ms)");
    std::printf("%-10s %11s %10s %11s %10s %11s %10s\n", "", "median", "worst", "median", "worst", "median", "worst");
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return;
    for (const auto& [name, file] : kSuite) {
        const std::string path = std::string(ORIZEN_BENCH_DIR) + "/" + file;
        std::vector<double> first, settled, later;
        for (int i = 0; i < 2 * runs; ++i) {
            std::string command = "'";
            command.append(self).append("' --first-turn '").append(path).append(i % 2 ? "' 50" : "'");
            FILE* child = popen(command.c_str(), "r");
            double ms = 0;
            if (child == nullptr || std::fscanf(child, "%lf", &ms) != 1 || pclose(child) != 0) {
                std::fprintf(stderr, "first turn of %s failed\n", name);
                std::exit(1);
            }
            (i % 2 ? settled : first).push_back(ms);
        }
        const auto proto = load(path, players);
        for (int i = 0; i < runs; ++i) later.push_back(timedTurn(proto->game));
        std::printf("%-10s %11.2f %10.2f %11.2f %10.2f %11.2f %10.2f\n", name, median(first), worst(first),
                    median(settled), worst(settled), median(later), worst(later));
    }
}

int main(int argc, char** argv) {
    if ((argc == 3 || argc == 4) && std::string(argv[1]) == "--first-turn") {
        // As orizen-cli bestmove: the search's threads and buffers made while the position loads.
        Players players;
        const search::Warmup warmup(players.classic());
        const auto proto = load(argv[2], players);
        // Spun, not slept: a core left idle slows down, and that is not the program's cost.
        if (argc == 4)
            for (const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::atoi(argv[3]));
                 std::chrono::steady_clock::now() < until;) {
            }
        std::printf("%.4f\n", timedTurn(proto->game));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    Players players;
    for (const auto& [name, file] : kSuite) {
        const std::string path = std::string(ORIZEN_BENCH_DIR) + "/" + file;
        // One turn first, untimed: the search's threads and buffers are made on first use.
        load(path, players)->game.com_ban();
        benchmark::RegisterBenchmark((std::string("turn/") + name).c_str(), turn, path, std::ref(players))
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(30)
            ->ComputeStatistics("worst", worst)
            ->ReportAggregatesOnly(true);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    firstTurns(15, players);
}
