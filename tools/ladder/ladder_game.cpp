// One game of the ladder: the self-play game of orizen-cli, timed turn by turn.
//   ladder_game UPPER-LEVEL LOWER-LEVEL PLIES [FILE]
// Level 4's time per move and threads come from MOVETIME (milliseconds) and THREADS.
// prints one line:
//   WINNER REASON PLIES UPPER-TURNS UPPER-SECONDS LOWER-TURNS LOWER-SECONDS MATERIAL
// WINNER is lower, upper or none; MATERIAL is the upper side's material less the lower side's at
// the end (board and hands, kings left out, a piece in hand at its unpromoted value).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/level4.h"
#include "cli/selfplay.h"

using namespace orizen;
using namespace orizen::cli;

namespace {

using Clock = std::chrono::steady_clock;

struct Timing {
    Clock::time_point last = Clock::now();
    int turns[2] = {};
    double seconds[2] = {};
};

// Called as each ply ends: the time since the previous one is that side's turn.
void lap(void* context, const Ply& p) {
    Timing& t = *static_cast<Timing*>(context);
    const Clock::time_point now = Clock::now();
    t.seconds[p.upper] += std::chrono::duration<double>(now - t.last).count();
    ++t.turns[p.upper];
    t.last = now;
}

int material(const Game& g) {
    int balance = 0;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int c = g.position().Board(x, y);
            if (c != OU && c != -OU) balance += c;  // a code's size is its value
        }
    for (int k = 1; k <= 7; ++k) balance += kHandCode[k] * (g.position().HandUpper(k) - g.position().HandLower(k));
    return balance;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: ladder_game UPPER-LEVEL LOWER-LEVEL PLIES [FILE]\n");
        return 2;
    }
    SelfplaySettings settings;
    settings.upperLevel = std::atoi(argv[1]);
    settings.lowerLevel = std::atoi(argv[2]);
    settings.plies = std::atoi(argv[3]);
    if (settings.upperLevel < 1 || settings.upperLevel > 4 || settings.lowerLevel < 1 || settings.lowerLevel > 4 ||
        settings.plies < 0 || settings.plies > HISTORY_MAX) {
        std::fprintf(stderr, "error: levels 1..4 and at most %d plies\n", HISTORY_MAX);
        return 2;
    }
    Players players;
    if (const char* ms = std::getenv("MOVETIME")) players.searching().moveTimeMs = std::atoi(ms);
    if (const char* n = std::getenv("THREADS")) players.searching().threads = std::atoi(n);
    cli::Position start;
    if (argc == 5) {
        std::string error;
        if (!readPosition(argv[4], start, error)) {
            std::fprintf(stderr, "error: %s: %s\n", argv[4], error.c_str());
            return 2;
        }
    }
    Selfplay game(settings, argc == 5 ? &start : nullptr, &players);
    Timing timing;
    if (!game.play(lap, &timing)) {
        std::fprintf(stderr, "error: a lower move was refused\n");
        return 1;
    }
    static const char* const winners[] = {"none", "lower", "upper"};
    static const char* const reasons[] = {"king-taken", "mate", "no-move", "plies"};
    std::printf("%s %s %zu %d %.6f %d %.6f %d\n", winners[int(game.winner)], reasons[int(game.reason)],
                game.plies.size(), timing.turns[1], timing.seconds[1], timing.turns[0], timing.seconds[0],
                material(game.game));
    return 0;
}
