// orizen_tactics: suites of positions with a known point, and how many of them the searching level
// sees in the time it is given.
//   orizen_tactics mates GAMES MS     self-play games at MS a move; for each won by taking the king,
//                                     the positions 3, 5 and 7 plies before the mate, winner to move
//   orizen_tactics mates-of FILE...   the same from recorded games (orizen_match --record), such as
//                                     games between two builds
//   orizen_tactics forks N SEED       positions where one bishop or rook drop from afar attacks two
//                                     undefended pieces (the kings in their corners behind golds),
//                                     the dropping side to move
//   orizen_tactics solve SUITE [MS] [-v]  searches each (default 1000 ms, one thread) and counts
//                                     the mates found and the forking drops played (-v: each one)
// A suite is text, one position a line:
//   mate PLIES START MOVE ...         START is a position file (relative to the source folder), the
//                                     moves as engine::moveText writes them; mate in PLIES plies
//   fork KIND X,Y ... | TYPE@X,Y ...  the drop's kind, the squares it forks from, then the board's
//                                     pieces (+type upper, -type lower); the lower side to move
//                                     with one KIND in hand
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
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

// The positions 3, 5 and 7 plies before the mate of a game that `moves` end by taking the king.
void printMates(const std::string& start, const std::vector<std::string>& moves) {
    // The king is taken by the last move; the mate was made two plies before it.
    const int taken = int(moves.size()) - 1;
    for (int plies : {3, 5, 7}) {
        const int before = taken - 1 - plies;
        if (before < 0) continue;
        std::printf("mate %d %s", plies, start.c_str());
        for (int i = 0; i < before; ++i) std::printf(" %s", moves[std::size_t(i)].c_str());
        std::printf("\n");
    }
}

int mates(int games, int ms) {
    const auto a = match::inProcess(), b = match::inProcess();
    const std::vector<std::string> from = match::ladderStarts(kSource);
    for (int g = 0; g < games; ++g) {
        const std::string start = from[std::size_t(g / 2) % from.size()];
        const match::Game r = match::play(*a, *b, kSource + "/" + start, g % 2 == 0, ms, 400, 1 << 30);
        if (r.reason != "king taken") continue;
        printMates(start, r.moves);
        std::fflush(stdout);
    }
    return 0;
}

// The same positions from recorded games ("game RESULT START MOVE ...", as orizen_match --record
// writes them), e.g. between two builds: those that end by taking the king.
int matesOf(int count, char** files) {
    for (int f = 0; f < count; ++f) {
        std::ifstream in(files[f]);
        for (std::string line; std::getline(in, line);) {
            std::istringstream words(line);
            std::string what, result, start, bad;
            if (!(words >> what >> result >> start) || what != "game") continue;
            if (start.rfind(kSource + "/", 0) == 0) start = start.substr(kSource.size() + 1);
            std::vector<std::string> moves;
            for (std::string m; words >> m;) moves.push_back(m);
            Position p;
            std::vector<uint64_t> seen;
            if (moves.empty() || !cli::replayMoves(kSource + "/" + start, moves, p, seen, bad) || !bad.empty()) continue;
            if (p.king[UPPER] == 0 || p.king[LOWER] == 0) printMates(start, moves);
        }
    }
    return 0;
}

bool attacksBoth(Position& p, int s, int type, int t1, int t2) {
    p.cell[s] = int8_t(-type);
    int from[18];
    bool both = true;
    for (int t : {t1, t2}) {
        const int n = p.attackers(t, LOWER, from);
        both = both && std::find(from, from + n, s) != from + n;
    }
    p.cell[s] = 0;
    return both;
}

int forks(int count, unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int kTargets[] = {HI, KA, KI, GI, RYU, UMA};
    for (int made = 0; made < count;) {
        const int kind = made % 2 == 0 ? 6 : 7, type = kKindType[kind];
        Position p;
        p.clear();
        std::vector<std::pair<int, int>> placed;  // square, piece
        auto place = [&](int x, int y, int piece) {
            if (p.Board[sq(x, y)] != 0) return false;
            p.put(sq(x, y), piece);
            placed.push_back({sq(x, y), piece});
            return true;
        };
        // Both kings in a corner behind golds, out of the play.
        const int ux = pick(0, 1) ? 1 : 27, lx = pick(0, 1) ? 1 : 27;
        place(ux, 1, OU), place(lx, 27, -OU);
        for (int d = -1; d <= 1; ++d)
            for (int e = 0; e <= 1; ++e) {
                if ((d != 0 || e != 0) && ux + d >= 1 && ux + d <= 27) place(ux + d, 1 + e, KI);
                if ((d != 0 || e != 0) && lx + d >= 1 && lx + d <= 27) place(lx + d, 27 - e, -KI);
            }
        const int dx = pick(5, 22), dy = pick(10, 18), drop = sq(dx, dy);
        static constexpr int kDiag[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
        static constexpr int kOrth[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        const auto& dirs = kind == 6 ? kDiag : kOrth;
        const int d1 = pick(0, 3), d2 = (d1 + pick(1, 3)) % 4;
        int targets[2], nt = 0;
        for (int d : {d1, d2}) {
            const int n = pick(4, 9), tx = dx + dirs[d][0] * n, ty = dy + dirs[d][1] * n;
            if (tx < 1 || tx > 27 || ty < 4 || ty > 23) break;
            if (!place(tx, ty, kTargets[pick(0, 5)])) break;
            targets[nt++] = sq(tx, ty);
        }
        if (nt < 2) continue;
        for (int i = 0; i < 8; ++i) place(pick(1, 27), pick(5, 8), FU), place(pick(1, 27), pick(20, 23), -FU);
        p.addHand(LOWER, kind, 1);
        p.side = LOWER;
        p.refresh();
        // Nothing guards the targets or the drop square, nothing stands next to it, no king is
        // attacked, and no line between the drop and a target is blocked.
        bool ok = p.cell[drop] == 0 && !p.attacked(drop, UPPER) && !p.inCheck() &&
                  !p.attacked(p.king[UPPER], LOWER);
        for (int t : targets) ok = ok && !p.attacked(t, UPPER) && !p.attacked(t, LOWER);
        for (int d = -1; d <= 1 && ok; ++d)
            for (int e = -1; e <= 1; ++e)
                if ((d != 0 || e != 0) && p.cell[drop + d + e * kW] != 0) ok = false;
        ok = ok && attacksBoth(p, drop, type, targets[0], targets[1]);
        if (!ok) continue;
        std::printf("fork %d", kind);
        for (int s = 0; s < kSquares; ++s)
            if (p.cell[s] == 0 && attacksBoth(p, s, type, targets[0], targets[1])) std::printf(" %d,%d", sqX(s), sqY(s));
        std::printf(" |");
        for (const auto& [s, piece] : placed) std::printf(" %d@%d,%d", piece, sqX(s), sqY(s));
        std::printf("\n");
        ++made;
    }
    return 0;
}

void show(const Report& r) {
    std::printf("  depth %d score %d pv", r.depth, r.score);
    for (int i = 0; i < r.pvLength; ++i) std::printf(" %s", moveText(r.pv[i]).c_str());
    std::printf("\n");
}

int solve(const std::string& suite, int ms, bool verbose) {
    std::ifstream in(suite);
    if (!in) {
        std::fprintf(stderr, "orizen_tactics: cannot read %s\n", suite.c_str());
        return 1;
    }
    std::map<std::string, std::pair<int, int>> tally;  // solved, total
    Searcher searcher;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string what;
        words >> what;
        Position p;
        std::vector<uint64_t> seen;
        bool solved = false;
        Limits limits;
        limits.movetimeMs = ms;
        limits.threads = 1;
        if (what == "mate") {
            int plies = 0;
            std::string start, bad;
            words >> plies >> start;
            std::vector<std::string> moves;
            for (std::string m; words >> m;) moves.push_back(m);
            if (!cli::replayMoves(kSource + "/" + start, moves, p, seen, bad) || !bad.empty()) continue;
            searcher.clear();
            const Report r = searcher.think(p, seen.data(), int(seen.size()), limits);
            solved = r.score > kMateBound;
            if (verbose) show(r);
            what.append(" ").append(std::to_string(plies));
        } else if (what == "fork") {
            int kind = 0;
            words >> kind;
            std::vector<int> squares;
            std::string w;
            while (words >> w && w != "|") squares.push_back(sq(std::atoi(w.c_str()), std::atoi(w.c_str() + w.find(',') + 1)));
            p.clear();
            while (words >> w) {
                const std::size_t at = w.find('@'), comma = w.find(',');
                p.put(sq(std::atoi(w.c_str() + at + 1), std::atoi(w.c_str() + comma + 1)), std::atoi(w.c_str()));
            }
            p.addHand(LOWER, kind, 1);
            p.side = LOWER;
            p.refresh();
            searcher.clear();
            const Report r = searcher.think(p, nullptr, 0, limits);
            if (verbose) show(r);
            solved = isDrop(r.move) && moveFrom(r.move) == kind &&
                     std::find(squares.begin(), squares.end(), moveTo(r.move)) != squares.end();
            what += kind == 6 ? " bishop" : " rook";
        } else {
            continue;
        }
        if (verbose) {
            std::printf("%-12s %s\n", what.c_str(), solved ? "solved" : "missed");
        }
        auto& [good, all] = tally[what];
        good += solved, ++all;
    }
    for (const auto& [what, counts] : tally) std::printf("%-12s %3d of %3d\n", what.c_str(), counts.first, counts.second);
    return 0;
}

}  // namespace
}  // namespace orizen::engine

using namespace orizen::engine;

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "mates" && argc == 4) return mates(std::atoi(argv[2]), std::atoi(argv[3]));
    if (command == "mates-of" && argc >= 3) return matesOf(argc - 2, argv + 2);
    if (command == "forks" && argc == 4) return forks(std::atoi(argv[2]), unsigned(std::atoi(argv[3])));
    const bool verbose = argc > 2 && std::string(argv[argc - 1]) == "-v";
    if (verbose) --argc;
    if (command == "solve" && (argc == 3 || argc == 4)) return solve(argv[2], argc == 4 ? std::atoi(argv[3]) : 1000, verbose);
    std::fprintf(stderr, "usage: orizen_tactics mates GAMES MS | mates-of FILE... | forks N SEED | solve SUITE [MS]\n");
    return 2;
}
