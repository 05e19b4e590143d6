// A bare game for board-level tests: no start-up, an empty board, silent platform.
#pragma once

#include <initializer_list>
#include <memory>

#include "classic/search.h"
#include "game/game.h"
#include "game/player.h"

namespace orizen::test {

struct Bare {
    // With players of its own, or those given.
    Bare() : own(std::make_unique<Players>()), g(canvas, host, sound, *own) {}
    explicit Bare(Players& players) : g(canvas, host, sound, players) {}
    std::unique_ptr<Players> own;
    NullCanvas canvas;
    NullHost host;
    NullSound sound;
    Game g;

    struct Piece {
        int x, y, code;
    };
    Bare& put(std::initializer_list<Piece> pieces) {
        for (const Piece& p : pieces) g.arrange().pos.Board(p.x, p.y) = int16_t(p.code);
        return *this;
    }
    Bare& opening() {
        g.初期設定();
        return *this;
    }
    Bare& survey() {
        g.勢力調査();
        return *this;
    }
};

}  // namespace orizen::test
