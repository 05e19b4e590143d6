// What the subcommands share: a headless game, the position loader and plain output.
#pragma once

#include <cstdio>
#include <memory>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/position.h"
#include "game/game.h"
#include "game/headless.h"

namespace orizen::cli {

// Each subcommand gets the arguments after its own name and returns the exit status.
int runSurvey(int argc, char** argv);
int runMate(int argc, char** argv);
int runBestmove(int argc, char** argv);
int runReplay(int argc, char** argv);
int runSelfplay(int argc, char** argv);
int runEngine(int argc, char** argv);

inline constexpr int kExitRefused = 2;

using orizen::Headless;

// --movetime's value: a positive whole number of milliseconds.
bool parseMoveTime(const char* value, int& ms);

// Prints "error: <what>" to standard error and returns the refusal status.
int refuse(const std::string& what);

// A fresh headless game holding FILE's position after one survey, played by `players` or by its
// own; null (the error printed) when the file is refused.
std::unique_ptr<Headless> load(const char* path, Players* players = nullptr);

// The searching level's position of the file at `path` with the lower side to move, after `moves`
// (as engine::moveText writes them), and the keys of the positions before it in `seen`. False when
// the file is refused (the error printed) or `bad` names the first move the rules do not allow.
bool replayMoves(const std::string& path, const std::vector<std::string>& moves, engine::Position& p,
                 std::vector<uint64_t>& seen, std::string& bad);

// Output gathered in memory and written at once; numbers separated by single blanks.
struct Output {
    std::string text;

    void word(const char* s) { text += s; }
    void number(int v) { text += std::to_string(v); }
    void line(const char* key, int v) {
        text += key;
        text += ' ';
        number(v);
        text += '\n';
    }
    // Writes everything; false (and an error line) when standard output fails.
    bool flush();
};

}  // namespace orizen::cli
