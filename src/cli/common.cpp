// Shared pieces of the subcommands.
#include "cli/commands.h"
#include "cli/position.h"
#include "engine/notation.h"
#include "game/level4.h"

namespace orizen::cli {

bool parseMoveTime(const char* value, int& ms) {
    long long v = 0;
    if (*value == '\0') return false;
    for (const char* p = value; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') return false;
        if (v < 100'000'000) v = v * 10 + (*p - '0');
    }
    if (v < 1 || v > 100'000'000) return false;
    ms = int(v);
    return true;
}

int refuse(const std::string& what) {
    std::fprintf(stderr, "error: %s\n", what.c_str());
    return kExitRefused;
}

std::unique_ptr<Headless> load(const char* path, Players* players) {
    Position pos;
    std::string error;
    if (!readPosition(path, pos, error)) {
        refuse(std::string(path) + ": " + error);
        return nullptr;
    }
    auto h = players != nullptr ? std::make_unique<Headless>(*players) : std::make_unique<Headless>();
    place(h->game, pos);
    return h;
}

bool replayMoves(const std::string& path, const std::vector<std::string>& moves, engine::Position& p,
                 std::vector<uint64_t>& seen, std::string& bad) {
    bad.clear();
    const auto h = load(path.c_str());
    if (!h) return false;
    p = level4::positionOf(h->game, engine::LOWER);
    seen.clear();
    for (const std::string& m : moves) {
        const engine::Move move = engine::parseMove(p, m);
        if (move == engine::kNoMove) {
            bad = m;
            return false;
        }
        seen.push_back(p.key);
        engine::Undo u;
        p.make(move, u);
    }
    return true;
}

bool Output::flush() {
    const bool ok = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (!ok) std::fputs("error: cannot write the output\n", stderr);
    return ok;
}

}  // namespace orizen::cli
