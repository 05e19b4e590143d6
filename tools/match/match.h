// Matches between two versions of the searching level: this build's in the process, or another
// build's `orizen-cli engine` as a program. Games from fixed starts on both sides, refereed by this
// build's rules, adjudicated by material after a number of plies; a sequential probability ratio
// test decides when enough games are played, and the Elo difference comes with its error bars.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace orizen::match {

// One side of a match: chooses the move of the position file `start` (lower side to move) after
// `moves`, in at most `ms`; "none" when it has none.
class Player {
public:
    virtual ~Player() = default;
    virtual std::string choose(const std::string& start, const std::vector<std::string>& moves, int ms) = 0;
};
// This build's searching level, or the program at `path` run as `path engine`.
// Each searches on `threads` threads.
std::unique_ptr<Player> inProcess(int threads = 1);
std::unique_ptr<Player> program(const std::string& path, int threads = 1);

struct Game {
    double score;        // for the first player: 1, 0.5 or 0
    std::string reason;  // "king taken", "no move", "illegal move", "adjudicated", "draw"
    int plies;
    std::vector<std::string> moves;  // as played
};
// The ladder's starting positions (tools/ladder/positions/NN.pos), relative to the source folder.
std::vector<std::string> ladderStarts(const std::string& sourceDir);

// A game from `start` with `first` as the lower side (moving first) when firstIsLower.
Game play(Player& first, Player& second, const std::string& start, bool firstIsLower, int ms, int maxPlies,
          int adjudicateCentipawns);

// Results and what they say, for the first player.
struct Tally {
    int wins = 0, draws = 0, losses = 0;
    int games() const { return wins + draws + losses; }
    double score() const;
    double elo() const;        // from the score
    double eloError() const;   // 95% interval, half its width
    // The log-likelihood ratio of elo1 against elo0 (normal approximation, as match frameworks use).
    double llr(double elo0, double elo1) const;
};
// The bounds an SPRT stops at: below `lower` H0 is accepted, above `upper` H1.
double sprtLower(double alpha, double beta);
double sprtUpper(double alpha, double beta);

}  // namespace orizen::match
