// orizen-cli mate FILE: the lower king's escape squares and both mate tests.
#include "cli/commands.h"

namespace orizen::cli {

int runMate(int argc, char** argv) {
    if (argc != 1) return refuse("usage: orizen-cli mate FILE");
    auto h = load(argv[0]);
    if (!h) return kExitRefused;
    Game& g = h->game;

    Output out;
    out.line("escapes", g.調査_自王逃道());
    out.line("mate-lower", g.詰めかMAN());
    // Last: its trials may leave the maps describing a trial position.
    out.line("mate-upper", g.詰めかCOM());
    return out.flush() ? 0 : 1;
}

}  // namespace orizen::cli
