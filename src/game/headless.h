// A game with no window, sound or dialog behind it: for the command-line tool, and for the
// player's aids, which think on a copy of the position and never touch the game on the screen.
#pragma once

#include <memory>

#include "game/game.h"
#include "game/player.h"

namespace orizen {

struct Headless {
    // With players of its own, or those given.
    Headless() : own(std::make_unique<Players>()), game(canvas, host, sound, *own) {}
    explicit Headless(Players& players) : game(canvas, host, sound, players) {}
    std::unique_ptr<Players> own;
    NullCanvas canvas;
    NullHost host;
    NullSound sound;
    Game game;
};

// A fresh headless game in the state of play of `from`: what the computer knows of the position,
// the history, the selection and the flow, with no window, sound or dialog of `from` behind it.
// For trying moves and searches beside a game; with `players`, the replica plays with them.
inline std::unique_ptr<Headless> replica(const Game& from, Players* players = nullptr) {
    auto h = std::make_unique<Headless>(players != nullptr ? *players : from.players());
    h->game.takeStateOf(from);
    return h;
}

// True when the king of the side that moves (lower or upper) is not attacked once the move is
// played, tried on a copy of the position and its survey.
inline bool kingSafeAfter(const Analysis& g, int fx, int fy, int tx, int ty, int piece, bool lower) {
    auto trial = std::make_unique<Analysis>(g);
    trial->pos.play(fx, fy, tx, ty, piece);
    Memory unused;  // what the trial survey records is not wanted
    trial->勢力調査(unused);
    const Position& p = trial->pos;
    return lower ? trial->maps.UpperInfluence(p.LowerKingX, p.LowerKingY) == 0
                 : trial->maps.LowerInfluence(p.UpperKingX, p.UpperKingY) == 0;
}

}  // namespace orizen
