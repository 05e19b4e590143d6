#include "match.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "cli/commands.h"
#include "engine/notation.h"
#include "engine/search.h"

namespace orizen::match {

namespace {

// The engine's position of the start file with the lower side to move, after the moves.
bool replay(const std::string& start, const std::vector<std::string>& moves, engine::Position& p,
            std::vector<uint64_t>& seen) {
    std::string bad;
    return cli::replayMoves(start, moves, p, seen, bad);
}

class InProcess final : public Player {
public:
    explicit InProcess(int threads) : threads_(threads) {}
    std::string choose(const std::string& start, const std::vector<std::string>& moves, int ms) override {
        engine::Position p;
        std::vector<uint64_t> seen;
        if (!replay(start, moves, p, seen)) return "none";
        engine::Limits limits;
        limits.movetimeMs = ms;
        limits.threads = threads_;
        const engine::Report r = searcher_.think(p, seen.data(), int(seen.size()), limits);
        return r.move == engine::kNoMove ? "none" : engine::moveText(r.move);
    }

private:
    engine::Searcher searcher_;
    int threads_;
};

class Program final : public Player {
public:
    Program(const std::string& path, int threads) : threads_(threads) {
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0) throw std::runtime_error("no pipes");
        pid_ = fork();
        if (pid_ == 0) {
            dup2(in[0], 0), dup2(out[1], 1);
            close(in[1]), close(out[0]);
            execl(path.c_str(), path.c_str(), "engine", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(in[0]), close(out[1]);
        to_ = fdopen(in[1], "w"), from_ = fdopen(out[0], "r");
    }
    ~Program() override {
        std::fputs("quit\n", to_);
        std::fclose(to_), std::fclose(from_);
        waitpid(pid_, nullptr, 0);
    }
    std::string choose(const std::string& start, const std::vector<std::string>& moves, int ms) override {
        std::string command = "position " + start + " moves";
        for (const std::string& m : moves) command += " " + m;
        std::fprintf(to_, "%s\ngo %d %d\n", command.c_str(), ms, threads_);
        std::fflush(to_);
        char line[256];
        while (std::fgets(line, sizeof line, from_) != nullptr) {
            std::string s(line);
            if (s.rfind("bestmove ", 0) == 0) return s.substr(9, s.find_last_not_of("\r\n") - 8);
            if (s.rfind("error", 0) == 0) return "none";
        }
        return "none";
    }

private:
    int threads_;
    pid_t pid_ = -1;
    FILE* to_ = nullptr;
    FILE* from_ = nullptr;
};

double scoreOfElo(double elo) { return 1 / (1 + std::pow(10.0, -elo / 400)); }
double eloOfScore(double s) {
    s = std::clamp(s, 1e-6, 1 - 1e-6);
    return -400 * std::log10(1 / s - 1);
}

}  // namespace

std::vector<std::string> ladderStarts(const std::string& sourceDir) {
    std::vector<std::string> s;
    for (const auto& e : std::filesystem::directory_iterator(sourceDir + "/tools/ladder/positions"))
        if (e.path().extension() == ".pos") s.push_back("tools/ladder/positions/" + e.path().filename().string());
    std::sort(s.begin(), s.end());
    return s;
}

std::unique_ptr<Player> inProcess(int threads) { return std::make_unique<InProcess>(threads); }
std::unique_ptr<Player> program(const std::string& path, int threads) {
    std::signal(SIGPIPE, SIG_IGN);
    return std::make_unique<Program>(path, threads);
}

Game play(Player& first, Player& second, const std::string& start, bool firstIsLower, int ms, int maxPlies,
          int adjudicateCentipawns) {
    engine::Position p;
    std::vector<uint64_t> seen;
    std::vector<std::string> moves;
    if (!replay(start, moves, p, seen)) return {0.5, "unreadable start", 0, {}};
    for (int ply = 0; ply < maxPlies; ++ply) {
        const bool firstMoves = (p.side == engine::LOWER) == firstIsLower;
        Player& mover = firstMoves ? first : second;
        const double moverWins = firstMoves ? 1 : 0;
        const std::string text = mover.choose(start, moves, ms);
        if (text == "none") return {1 - moverWins, "no move", ply, moves};
        const engine::Move m = engine::parseMove(p, text);
        if (m == engine::kNoMove) return {1 - moverWins, "illegal move", ply, moves};
        const int side = p.side;
        engine::Undo u;
        p.make(m, u);
        moves.push_back(text);
        if (p.king[engine::other(side)] == 0) return {moverWins, "king taken", ply + 1, moves};
    }
    // Material from the upper side's view; far enough ahead is a win.
    const int lead = p.material * (firstIsLower ? -1 : 1);
    if (lead >= adjudicateCentipawns) return {1, "adjudicated", maxPlies, moves};
    if (lead <= -adjudicateCentipawns) return {0, "adjudicated", maxPlies, moves};
    return {0.5, "draw", maxPlies, moves};
}

double Tally::score() const { return games() == 0 ? 0.5 : (wins + 0.5 * draws) / games(); }

double Tally::elo() const { return eloOfScore(score()); }

double Tally::eloError() const {
    const int n = games();
    if (n == 0) return 0;
    const double s = score();
    const double var = (wins * (1 - s) * (1 - s) + draws * (0.5 - s) * (0.5 - s) + losses * s * s) / n;
    const double d = 1.959964 * std::sqrt(var / n);
    return (eloOfScore(s + d) - eloOfScore(s - d)) / 2;
}

double Tally::llr(double elo0, double elo1) const {
    const int n = games();
    if (n == 0) return 0;
    const double s = score();
    const double var = (wins * (1 - s) * (1 - s) + draws * (0.5 - s) * (0.5 - s) + losses * s * s) / n;
    if (var <= 0) return 0;
    const double s0 = scoreOfElo(elo0), s1 = scoreOfElo(elo1);
    return (s1 - s0) * (2 * s - s0 - s1) * n / (2 * var);
}

double sprtLower(double alpha, double beta) { return std::log(beta / (1 - alpha)); }
double sprtUpper(double alpha, double beta) { return std::log((1 - beta) / alpha); }

}  // namespace orizen::match
