// orizen_match: the searching level of one build against another's (or this build's against itself),
// from the opening array and the ladder's starts, each played with both sides, until a sequential
// probability ratio test decides or the games run out.
//   orizen_match [--a PROG] [--b PROG] [--movetime MS] [--games N] [--elo0 E] [--elo1 E]
//                [--alpha A] [--beta B] [--plies N] [--adjudicate CP] [--jobs J] [--threads T]
//                [--record FILE]
// PROG is another build's orizen-cli (run as PROG engine); without it, this build plays. Each side
// searches on T threads (default 1; builds older than this option always search on one).
// --record appends each game to FILE as orizen_tune reads games: "game RESULT START MOVE ...", RESULT
// the lower side's score.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "match.h"

using namespace orizen::match;

int main(int argc, char** argv) {
    std::string a, b, record;
    int ms = 100, games = 200, plies = 300, adjudicate = 1500, jobs = 2, threads = 1;
    double elo0 = 0, elo1 = 30, alpha = 0.05, beta = 0.05;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string k = argv[i], v = argv[i + 1];
        if (k == "--a") a = v;
        else if (k == "--b") b = v;
        else if (k == "--movetime") ms = std::atoi(v.c_str());
        else if (k == "--games") games = std::atoi(v.c_str());
        else if (k == "--plies") plies = std::atoi(v.c_str());
        else if (k == "--adjudicate") adjudicate = std::atoi(v.c_str());
        else if (k == "--record") record = v;
        else if (k == "--jobs") jobs = std::max(1, std::atoi(v.c_str()));
        else if (k == "--threads") threads = std::clamp(std::atoi(v.c_str()), 1, 2);
        else if (k == "--elo0") elo0 = std::atof(v.c_str());
        else if (k == "--elo1") elo1 = std::atof(v.c_str());
        else if (k == "--alpha") alpha = std::atof(v.c_str());
        else if (k == "--beta") beta = std::atof(v.c_str());
        else {
            std::fprintf(stderr, "orizen_match: unknown option %s\n", k.c_str());
            return 2;
        }
    }
    if (argc % 2 == 0) {
        std::fprintf(stderr, "orizen_match: every option takes a value\n");
        return 2;
    }
    std::vector<std::string> starts{ORIZEN_MATCH_OPENING};
    for (const auto& e : std::filesystem::directory_iterator(ORIZEN_MATCH_STARTS))
        if (e.path().extension() == ".pos") starts.push_back(e.path().string());
    std::sort(starts.begin() + 1, starts.end());

    const double lower = sprtLower(alpha, beta), upper = sprtUpper(alpha, beta);
    std::printf("A %s against B %s, %d ms a move, SPRT elo0 %.0f elo1 %.0f, LLR bounds %.2f %.2f\n",
                a.empty() ? "(this build)" : a.c_str(), b.empty() ? "(this build)" : b.c_str(), ms, elo0, elo1,
                lower, upper);
    FILE* out = record.empty() ? nullptr : std::fopen(record.c_str(), "a");
    if (!record.empty() && out == nullptr) {
        std::fprintf(stderr, "orizen_match: cannot write %s\n", record.c_str());
        return 2;
    }
    std::mutex lock;
    Tally tally;
    std::atomic<int> next{0};
    std::atomic<bool> decided{false};
    auto worker = [&] {
        const auto pa = a.empty() ? inProcess(threads) : program(a, threads);
        const auto pb = b.empty() ? inProcess(threads) : program(b, threads);
        for (int g; !decided && (g = next++) < games;) {
            const std::string& start = starts[(g / 2) % starts.size()];
            const bool aLower = g % 2 == 0;
            const Game r = play(*pa, *pb, start, aLower, ms, plies, adjudicate);
            std::lock_guard<std::mutex> hold(lock);
            (r.score == 1 ? tally.wins : r.score == 0 ? tally.losses : tally.draws)++;
            const double llr = tally.llr(elo0, elo1);
            std::printf("game %3d %-14s A %-5s %-16s %3d plies  W-D-L %d-%d-%d  Elo %+.1f ± %.1f  LLR %+.2f\n", g + 1,
                        std::filesystem::path(start).stem().c_str(), aLower ? "lower" : "upper", r.reason.c_str(),
                        r.plies, tally.wins, tally.draws, tally.losses, tally.elo(), tally.eloError(), llr);
            std::fflush(stdout);
            if (out != nullptr) {
                std::fprintf(out, "game %g %s", aLower ? r.score : 1 - r.score, start.c_str());
                for (const std::string& m : r.moves) std::fprintf(out, " %s", m.c_str());
                std::fprintf(out, "\n");
                std::fflush(out);
            }
            if (llr <= lower || llr >= upper) decided = true;
        }
    };
    std::vector<std::thread> running;
    for (int j = 0; j < jobs; ++j) running.emplace_back(worker);
    for (std::thread& t : running) t.join();
    const double llr = tally.llr(elo0, elo1);
    std::printf("result: %d games, W-D-L %d-%d-%d, score %.1f%%, Elo %+.1f ± %.1f, LLR %+.2f: %s\n", tally.games(),
                tally.wins, tally.draws, tally.losses, 100 * tally.score(), tally.elo(), tally.eloError(), llr,
                llr >= upper ? "H1 accepted (A is stronger)" : llr <= lower ? "H0 accepted (A is not stronger)"
                                                             : "inconclusive");
    if (out != nullptr) std::fclose(out);
    return 0;
}
