// What the fuzz targets share: a check that stops the run with a message, and a game without a
// window behind it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/game.h"
#include "game/player.h"

namespace orizen::fuzz {

// Aborts (libFuzzer keeps the input as a crash) when `why` names a fault.
inline void require(const std::string& why) {
    if (why.empty()) return;
    std::fprintf(stderr, "invariant broken: %s\n", why.c_str());
    std::abort();
}
inline void require(bool ok, const char* what) { require(ok ? std::string() : std::string(what)); }

// A silent game played by the run's players: made once, as a program makes them.
struct Silent {
    static Players& players() {
        static Players p(1);
        return p;
    }
    NullCanvas canvas;
    NullHost host;
    NullSound sound;
    Game game{canvas, host, sound, players()};
};

}  // namespace orizen::fuzz
