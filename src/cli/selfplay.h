// The computer against itself. The upper side is the computer's turn on the game's own state; the
// lower side is what that turn would play for it on the position turned round, committed as the
// person's click commits a move. Both go through the game's own code, so a self-play game is a
// game of the window with the person's hand replaced.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/choose.h"
#include "cli/position.h"
#include "game/game.h"
#include "game/player.h"

namespace orizen::cli {

// The game's dialogs: the announcements are counted, the question after a game over is answered No
// (the game ends, it does not start again), every other box is acknowledged.
class SelfplayHost final : public NullHost {
public:
    int mates = 0, checks = 0;
    bool gameOver = false;

    void notify(Event e) override;
    Answer message(const std::string& text, const std::string&, Buttons b, Icon) override;
};

// A lower move in the game's own orientation, as the person would enter it: the source square or
// the lower hand's slot row (29, 21..27), the destination, the piece before and after the move.
using LowerMove = ScoredMove;

// Commits m as the person's clicks commit it against the computer, short of the computer's
// answer: the source is selected by a click, the destination goes through the click's checks,
// then the move is committed (history, move number, promotion by the right button, 駒移動, survey,
// 詰めかCOM, the end of the game). Returns YES when the computer is to answer, NO when the game
// ended; -1 (nothing committed) when the click path refuses the move.
int commitLower(Game& g, const LowerMove& m);

struct SelfplaySettings {
    int upperLevel = 3, lowerLevel = 3;
    bool upperFirst = false;
    int plies = HISTORY_MAX;  // 0 .. HISTORY_MAX
};

struct Ply {
    int n;
    bool upper;
    int fromX, fromY, toX, toY, before, after;
    double score;
    bool mate, check;  // announced after an upper move
};

enum class Winner { None, Lower, Upper };
enum class Reason { KingTaken, Mate, NoMove, Plies };

// A self-play game with its own state; play() runs it to its end.
class Selfplay {
public:
    // The start-up state with the opening array, or the board and hands of `start`. Both sides
    // are played by `players`, or by players of its own.
    Selfplay(const SelfplaySettings& settings, const Position* start, Players* players = nullptr);

    // Plays the game out, calling onPly after each ply. False when a lower move was refused by the
    // click path (which the search never chooses; the game stops there).
    bool play(void (*onPly)(void* context, const Ply& ply) = nullptr, void* context = nullptr);

    Winner winner = Winner::None;
    Reason reason = Reason::Plies;
    std::vector<Ply> plies;

private:
    std::unique_ptr<Players> own_;

public:
    NullCanvas canvas;
    SelfplayHost host;
    NullSound sound;
    Game game;

private:
    SelfplaySettings settings_;
    bool lowerPly(bool& over);
    bool upperPly(bool first);
    void add(const Ply& p);
    void (*onPly_)(void*, const Ply&) = nullptr;
    void* context_ = nullptr;
};

// "ply N lower 14 18 14 17 -30 -30 3.700000" and the announcement lines after it.
std::string plyText(const Ply& p);
// "result lower king-taken"
std::string resultText(Winner w, Reason r);

}  // namespace orizen::cli
