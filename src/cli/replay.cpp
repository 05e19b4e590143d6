// orizen-cli replay [--upto N] RECORD: the position a game record reaches, as the game replays it.
#include <cstdlib>

#include "cli/commands.h"
#include "cli/position.h"
#include "game/files.h"
#include "game/record_file.h"

namespace orizen::cli {

namespace {

// Comment lines hold the header on one line each, whatever it contains.
std::string oneLine(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

}  // namespace

int runReplay(int argc, char** argv) {
    const char* path = nullptr;
    long upto = -1;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--upto" && i + 1 < argc) {
            char* end = nullptr;
            upto = std::strtol(argv[++i], &end, 10);
            if (*argv[i] == '\0' || *end != '\0' || upto < 0)
                return refuse("--upto takes a number of moves, 0 or more");
        } else if (path == nullptr && arg.rfind("--", 0) != 0) {
            path = argv[i];
        } else {
            return refuse("usage: orizen-cli replay [--upto N] RECORD");
        }
    }
    if (path == nullptr) return refuse("usage: orizen-cli replay [--upto N] RECORD");

    std::string bytes, error;
    if (!readWholeFile(path, kRecordMaxBytes, bytes, error)) return refuse(std::string(path) + ": " + error);
    const RecordFile record = parseRecord(bytes);
    const long stored = static_cast<long>(record.moves.size());
    const long wanted = upto < 0 ? stored + (record.problem.empty() ? 0 : 1) : upto;
    if (!record.problem.empty() && wanted >= record.badMove)
        return refuse(std::string(path) + ": move " + std::to_string(record.badMove) + ": " +
                      (record.problem == "too many moves" ? "more than 500 moves" : "not a move the game can read"));
    if (wanted > stored)
        return refuse(std::string(path) + ": the record has " + std::to_string(stored) + " moves");

    Headless h;
    Game& g = h.game;
    g.初期設定();
    storeRecord(g.arrangeHistory(), record);
    g.arrangeFlow().MoveNumber = 0;
    g.arrangeFlow().RecordMode = YES;
    for (long n = 1; n <= wanted; ++n) {
        g.AFTER_Click();
        if (g.moveHistory().RecordCount != n)
            return refuse(std::string(path) + ": move " + std::to_string(n) + ": does not fit the position");
    }

    Output out;
    out.word("# name: ");
    out.word(oneLine(record.lines[0]).c_str());
    out.word("\n# upper: ");
    out.word(oneLine(record.lines[1]).c_str());
    out.word("\n# lower: ");
    out.word(oneLine(record.lines[2]).c_str());
    out.word("\n");
    out.line("# moves:", static_cast<int>(wanted));
    out.word(positionText(g.position().Board, g.position().HandUpper, g.position().HandLower).c_str());
    return out.flush() ? 0 : 1;
}

}  // namespace orizen::cli
