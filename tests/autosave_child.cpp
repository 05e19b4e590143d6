// orizen_autosave_child FOLDER: the computer against itself, game after game, keeping each game
// in FOLDER after every ply as the window does, until it is killed.
#include <string>

#include "cli/selfplay.h"
#include "game/places.h"
#include "game/autosave.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    orizen::Autosave save(std::string(argv[1]) + "/" + orizen::kLastGameFile);
    orizen::cli::SelfplaySettings settings;
    settings.upperLevel = settings.lowerLevel = 1;
    for (;;) {
        orizen::cli::Selfplay game(settings, nullptr);
        struct Context {
            orizen::Autosave& save;
            orizen::cli::Selfplay& game;
        } context{save, game};
        game.play([](void* c, const orizen::cli::Ply&) {
            auto* ctx = static_cast<Context*>(c);
            ctx->save.check(ctx->game.game.moveHistory(), ctx->game.game.state());
        }, &context);
    }
}
