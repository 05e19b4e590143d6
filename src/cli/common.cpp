// Shared pieces of the subcommands.
#include "cli/commands.h"
#include "cli/position.h"

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

bool Output::flush() {
    const bool ok = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (!ok) std::fputs("error: cannot write the output\n", stderr);
    return ok;
}

}  // namespace orizen::cli
