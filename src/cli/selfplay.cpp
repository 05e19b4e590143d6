// orizen-cli selfplay [--upper-level N] [--lower-level N] [--first lower|upper] [--plies K] [FILE]:
// the computer against itself, one line per ply and a result line.
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "cli/selfplay.h"

namespace orizen::cli {

namespace {

constexpr const char* kUsage =
    "usage: orizen-cli selfplay [--upper-level N] [--lower-level N] [--first lower|upper] [--plies K] [--movetime MS] [FILE]";

// A whole decimal number with an optional sign; values past the int range are held at its edge.
bool number(const char* s, long long& value) {
    const char* p = s;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    if (*p == '\0') return false;
    long long v = 0;
    for (; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') return false;
        if (v < 1'000'000'000LL) v = v * 10 + (*p - '0');
    }
    value = negative ? -v : v;
    return true;
}

void print(void* context, const Ply& p) { static_cast<Output*>(context)->text += plyText(p); }

}  // namespace

int runSelfplay(int argc, char** argv) {
    SelfplaySettings settings;
    int moveTime = 0;
    const char* file = nullptr;
    bool seen[5] = {};  // upper level, lower level, first, plies, move time
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        const int option = arg == "--upper-level" ? 0 : arg == "--lower-level" ? 1 : arg == "--first" ? 2
                                                      : arg == "--plies"       ? 3
                                                      : arg == "--movetime"    ? 4 : -1;
        if (option < 0) {
            if (file != nullptr || arg.empty() || arg[0] == '-') return refuse(kUsage);
            file = argv[i];
            continue;
        }
        if (seen[option]) return refuse(arg + " given twice");
        seen[option] = true;
        if (i + 1 >= argc) return refuse(arg + " needs a value");
        const char* value = argv[++i];
        long long v = 0;
        if (option == 2) {
            if (std::strcmp(value, "lower") == 0)
                settings.upperFirst = false;
            else if (std::strcmp(value, "upper") == 0)
                settings.upperFirst = true;
            else
                return refuse("--first takes lower or upper");
        } else if (option == 4) {
            int ms = 0;
            if (!parseMoveTime(value, ms)) return refuse("--movetime takes a positive number of milliseconds");
            moveTime = ms;
        } else if (option == 3) {
            if (!number(value, v) || v < 0) return refuse("--plies takes a number of plies, 0 or more");
            settings.plies = v > HISTORY_MAX ? HISTORY_MAX : int(v);
        } else {
            if (!number(value, v) || v < 1 || v > 4) return refuse(arg + " takes 1, 2, 3 or 4");
            (option == 0 ? settings.upperLevel : settings.lowerLevel) = int(v);
        }
    }

    Position start;
    if (file != nullptr) {
        std::string error;
        if (!readPosition(file, start, error)) return refuse(std::string(file) + ": " + error);
    }

    Output out;
    Players players;
    if (moveTime > 0) players.searching().moveTimeMs = moveTime;
    Selfplay game(settings, file != nullptr ? &start : nullptr, &players);
    if (!game.play(print, &out)) {
        out.flush();
        return refuse("a lower move was refused by the game (ply " + std::to_string(game.plies.size() + 1) + ")");
    }
    out.text += resultText(game.winner, game.reason);
    return out.flush() ? 0 : 1;
}

}  // namespace orizen::cli
