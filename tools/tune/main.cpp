// orizen_tune: the evaluation's weights, fitted to the results of self-play games.
//   orizen_tune games N MS SEED   N self-play games of the searching level at MS a move from the
//                                 match starts, each opened by 2 to 8 random plies; one line a game:
//                                 "game RESULT START MOVE ...", RESULT the lower side's score
//   orizen_tune fit [--prior L] FILE...  fits the positional weights to the quiet positions of
//                                 the games (logistic regression of the result on the evaluation,
//                                 Texel's way), each held near its hand-set value with strength L
//                                 (default 0.00001); writes src/engine/fitted.h to standard output
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "engine/notation.h"
#include "engine/search.h"
#include "match.h"

namespace orizen::engine {
namespace {

const std::string kSource = ORIZEN_SOURCE_DIR;

// The moves of p's side to move that keep its king safe.
std::vector<Move> legalMoves(Position& p) {
    Move buffer[kMaxMoves];
    MoveList all{buffer};
    generateAll(p, all);
    std::vector<Move> legal;
    for (int i = 0; i < all.n; ++i) {
        Undo u;
        const int side = p.side;
        p.make(all.m[i], u);
        if (p.king[side] != 0 && !p.attacked(p.king[side], p.side)) legal.push_back(all.m[i]);
        p.unmake(all.m[i], u);
    }
    return legal;
}

// Self-play of the searching level, each game opened by a few random plies so that no two are
// alike, adjudicated by material after 400 plies as matches are.
int games(int n, int ms, unsigned seed) {
    const std::vector<std::string> from = match::ladderStarts(kSource);
    std::mt19937 rng(seed);
    Searcher searchers[2];
    Limits limits;
    limits.movetimeMs = ms;
    limits.threads = 1;
    for (int g = 0; g < n; ++g) {
        const std::string start = from[rng() % from.size()];
        const int opening = 2 + int(rng() % 7);
        Position p;
        std::vector<uint64_t> seen;
        std::string bad;
        if (!cli::replayMoves(kSource + "/" + start, {}, p, seen, bad)) return 1;
        for (Searcher& s : searchers) s.clear();
        std::string moves;
        double lowerScore = 0.5;
        int ply = 0;
        for (; ply < 400; ++ply) {
            Move m = kNoMove;
            if (ply < opening) {
                const std::vector<Move> legal = legalMoves(p);
                if (!legal.empty()) m = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
            } else {
                m = searchers[p.side].think(p, seen.data(), int(seen.size()), limits).move;
            }
            const int side = p.side;
            if (m == kNoMove) {
                lowerScore = side == LOWER ? 0 : 1;
                break;
            }
            seen.push_back(p.key);
            Undo u;
            p.make(m, u);
            moves.append(" ").append(moveText(m));
            if (p.king[other(side)] == 0) {
                lowerScore = side == LOWER ? 1 : 0;
                break;
            }
        }
        if (ply == 400) lowerScore = p.material <= -1500 ? 1 : p.material >= 1500 ? 0 : 0.5;
        std::printf("game %g %s%s\n", lowerScore, start.c_str(), moves.c_str());
        std::fflush(stdout);
    }
    return 0;
}

// A quiet position of a game: the weights' counts from the upper side's view, what no weight
// scales, and the upper side's score in the game.
struct Sample {
    int first, last;  // its counts in Data::counts
    double fixed, result;
};
struct Data {
    std::vector<std::pair<int, int>> counts;  // weight, count
    std::vector<Sample> train, check;         // every tenth game is kept to check the fit on
    int games = 0;
};

// Positions are taken after the random opening, with the side to move not in check, neither the
// move before nor the move played a capture: their evaluation is what the fit is about.
void read(const std::string& path, Data& data) {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string what, start, bad;
        double lowerScore = 0;
        if (!(words >> what >> lowerScore >> start) || what != "game") continue;
        Position p;
        std::vector<uint64_t> seen;
        if (!cli::replayMoves(start[0] == '/' ? start : kSource + "/" + start, {}, p, seen, bad)) continue;
        std::vector<Sample>& into = data.games++ % 10 == 0 ? data.check : data.train;
        bool captured = false;
        int ply = 0;
        for (std::string text; words >> text; ++ply) {
            const Move m = parseMove(p, text);
            if (m == kNoMove) break;
            const bool captures = !isDrop(m) && p.cell[moveTo(m)] != 0;
            if (ply >= 12 && !captured && !captures && !p.inCheck()) {
                const EvalTrace t = traceEvaluation(p, LOWER);
                Sample s{int(data.counts.size()), 0, double(t.fixed), 1 - lowerScore};
                for (int i = 0; i < weight::Count; ++i)
                    if (t.count[std::size_t(i)] != 0) data.counts.emplace_back(i, t.count[std::size_t(i)]);
                s.last = int(data.counts.size());
                into.push_back(s);
            }
            Undo u;
            p.make(m, u);
            captured = captures;
        }
    }
}

// The weights a fit may move: the positional ones. Material stays as it is: the search's margins
// and its ordering of captures are reckoned in it.
bool fitted(int i) { return i >= weight::PullFar && i != weight::HandDanger; }

// The expected score of an evaluation, with the curve's steepness k.
double expected(double eval, double k) { return 1 / (1 + std::pow(10.0, -k * eval / 400)); }

double evalOf(const Data& d, const Sample& s, const std::vector<double>& w) {
    double e = s.fixed;
    for (int j = s.first; j < s.last; ++j) e += w[std::size_t(d.counts[std::size_t(j)].first)] * d.counts[std::size_t(j)].second;
    return e;
}

double error(const Data& d, const std::vector<Sample>& samples, const std::vector<double>& w, double k) {
    double sum = 0;
    for (const Sample& s : samples) {
        const double e = expected(evalOf(d, s, w), k) - s.result;
        sum += e * e;
    }
    return samples.empty() ? 0 : sum / double(samples.size());
}

void write(const std::vector<double>& w, const std::string& command, const Data& d) {
    std::printf("// Generated by `%s` from %zu quiet positions of %d self-play games; do not edit by hand.\n",
                command.c_str(), d.train.size() + d.check.size(), d.games);
    std::printf("#pragma once\n\nnamespace orizen::engine {\n\ninline constexpr Weights kWeights = {\n");
    for (const WeightGroup& g : kWeightGroups) {
        std::printf("    // %s\n   ", g.name);
        for (int i = g.at; i < g.at + g.count; ++i) std::printf(" %ld,", std::lround(w[std::size_t(i)]));
        std::printf("\n");
    }
    std::printf("};\n\n}  // namespace orizen::engine\n");
}

// Texel's way: the mean squared difference between each position's result and the score its
// evaluation expects, minimised over the weights by Adam from the hand-set ones.
int fit(int argc, char** argv) {
    Data d;
    std::string command = "orizen_tune fit";
    double prior = 0.00001;
    if (argc >= 2 && std::string(argv[0]) == "--prior") {
        prior = std::atof(argv[1]);
        command.append(" --prior ").append(argv[1]);
        argc -= 2, argv += 2;
    }
    for (int i = 0; i < argc; ++i) {
        read(argv[i], d);
        command.append(" ").append(std::filesystem::path(argv[i]).filename().string());
    }
    const std::vector<double> start(kHandSet.begin(), kHandSet.end());
    std::vector<double> w = start;
    std::fprintf(stderr, "%d games, %zu positions to fit, %zu to check\n", d.games, d.train.size(), d.check.size());
    // The steepness that fits the hand-set weights best; material keeps the scale.
    double k = 1, best = error(d, d.train, w, k);
    for (double c = 0.005; c < 1; c *= 1.05)
        if (const double e = error(d, d.train, w, c); e < best) best = e, k = c;
    std::fprintf(stderr, "k %.4f; before: fit %.6f check %.6f\n", k, best, error(d, d.check, w, k));
    const std::size_t n = w.size();
    std::vector<double> m(n), v(n), grad(n);
    const double rate = 1, b1 = 0.9, b2 = 0.999, ln10 = std::log(10.0);
    for (int it = 1; it <= 3000; ++it) {
        std::fill(grad.begin(), grad.end(), 0);
        for (const Sample& s : d.train) {
            const double p = expected(evalOf(d, s, w), k);
            const double g = 2 * (p - s.result) * p * (1 - p) * k * ln10 / 400;
            for (int j = s.first; j < s.last; ++j)
                grad[std::size_t(d.counts[std::size_t(j)].first)] += g * d.counts[std::size_t(j)].second;
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (!fitted(int(i))) continue;
            // The prior: each weight stays near where it was, in proportion to its size.
            const double scale = std::max(std::abs(start[i]), 10.0);
            const double gi = grad[i] / double(d.train.size()) + 2 * prior * (w[i] - start[i]) / (scale * scale);
            m[i] = b1 * m[i] + (1 - b1) * gi;
            v[i] = b2 * v[i] + (1 - b2) * gi * gi;
            const double mh = m[i] / (1 - std::pow(b1, it)), vh = v[i] / (1 - std::pow(b2, it));
            w[i] -= rate * mh / (std::sqrt(vh) + 1e-12);
        }
        if (it % 500 == 0)
            std::fprintf(stderr, "%5d: fit %.6f check %.6f\n", it, error(d, d.train, w, k), error(d, d.check, w, k));
    }
    write(w, command, d);
    return 0;
}

}  // namespace
}  // namespace orizen::engine

using namespace orizen::engine;

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "games" && argc == 5) return games(std::atoi(argv[2]), std::atoi(argv[3]), unsigned(std::atoi(argv[4])));
    if (command == "fit" && argc >= 3) return fit(argc - 2, argv + 2);
    std::fprintf(stderr, "usage: orizen_tune games N MS SEED | fit FILE...\n");
    return 2;
}
