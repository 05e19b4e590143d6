// orizen_tune: the evaluation's weights, fitted to the results of self-play games.
//   orizen_tune games N MS SEED   N self-play games of the searching level at MS a move from the
//                                 match starts, each opened by 2 to 8 random plies; one line a game:
//                                 "game RESULT START MOVE ...", RESULT the lower side's score
//   orizen_tune fit FILE...       fits the weights to the quiet positions of the games (logistic
//                                 regression of the result on the evaluation, Texel's way) and
//                                 writes the weights' header to standard output
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "engine/notation.h"
#include "engine/search.h"
#include "match.h"

namespace orizen::engine {
namespace {

const std::string kSource = ORIZEN_SOURCE_DIR;

std::vector<std::string> starts() {
    std::vector<std::string> s;
    for (const auto& e : std::filesystem::directory_iterator(kSource + "/tools/ladder/positions"))
        if (e.path().extension() == ".pos") s.push_back("tools/ladder/positions/" + e.path().filename().string());
    std::sort(s.begin(), s.end());
    return s;
}

// The searching level after a few random plies, so that no two games are alike.
class Opened final : public match::Player {
public:
    Opened(unsigned seed, int plies) : rng_(seed), plies_(plies) {}
    std::string choose(const std::string& start, const std::vector<std::string>& moves, int ms) override {
        if (int(moves.size()) >= plies_) return level_->choose(start, moves, ms);
        Position p;
        std::vector<uint64_t> seen;
        std::string bad;
        if (!cli::replayMoves(start, moves, p, seen, bad) || !bad.empty()) return "none";
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
        if (legal.empty()) return "none";
        return moveText(legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng_)]);
    }

private:
    std::mt19937 rng_;
    int plies_;
    std::unique_ptr<match::Player> level_ = match::inProcess();
};

int games(int n, int ms, unsigned seed) {
    const std::vector<std::string> from = starts();
    std::mt19937 rng(seed);
    for (int g = 0; g < n; ++g) {
        const std::string start = from[rng() % from.size()];
        const int plies = 2 + int(rng() % 7);
        Opened lower(rng(), plies), upper(rng(), plies);
        const match::Game r = match::play(lower, upper, kSource + "/" + start, true, ms, 400, 1500);
        std::printf("game %g %s", r.score, start.c_str());
        for (const std::string& m : r.moves) std::printf(" %s", m.c_str());
        std::printf("\n");
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace
}  // namespace orizen::engine

using namespace orizen::engine;

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "games" && argc == 5) return games(std::atoi(argv[2]), std::atoi(argv[3]), unsigned(std::atoi(argv[4])));
    std::fprintf(stderr, "usage: orizen_tune games N MS SEED | fit FILE...\n");
    return 2;
}
