// orizen-cli survey FILE: the influence maps after one survey, then the pinned pieces.
#include "cli/commands.h"

namespace orizen::cli {

namespace {

void map(Output& out, const char* name, const Map& m) {
    out.word("map ");
    out.word(name);
    out.word("\n");
    for (int y = 1; y <= 27; ++y) {
        for (int x = 1; x <= 27; ++x) {
            if (x > 1) out.word(" ");
            out.number(m(x, y));
        }
        out.word("\n");
    }
}

}  // namespace

int runSurvey(int argc, char** argv) {
    if (argc != 1) return refuse("usage: orizen-cli survey FILE");
    auto h = load(argv[0]);
    if (!h) return kExitRefused;
    Game& g = h->game;

    Output out;
    out.text.reserve(32 * 1024);
    map(out, "LowerInfluence", g.maps.LowerInfluence);
    map(out, "UpperInfluence", g.maps.UpperInfluence);
    map(out, "LowerGuard", g.maps.LowerGuard);
    map(out, "UpperGuard", g.maps.UpperGuard);
    map(out, "UpperGuardX", g.memory.UpperGuardX);
    map(out, "UpperGuardY", g.memory.UpperGuardY);
    map(out, "LowerAttacker", g.maps.LowerAttacker);
    map(out, "LowerAttackerX", g.maps.LowerAttackerX);
    map(out, "LowerAttackerY", g.maps.LowerAttackerY);
    map(out, "UpperAttacker", g.maps.UpperAttacker);
    map(out, "UpperAttackerX", g.memory.UpperAttackerX);
    map(out, "UpperAttackerY", g.memory.UpperAttackerY);
    map(out, "CheckByLower", g.maps.CheckByLower);
    map(out, "CheckByUpper", g.maps.CheckByUpper);
    g.調査_移動不可駒();
    map(out, "LowerPinned", g.maps.LowerPinned);
    out.word("kings ");
    out.number(g.pos.LowerKingX);
    out.word(" ");
    out.number(g.pos.LowerKingY);
    out.word(" ");
    out.number(g.pos.UpperKingX);
    out.word(" ");
    out.number(g.pos.UpperKingY);
    out.word("\n");
    out.line("upper-pin-found", g.maps.UpperPinFound);
    return out.flush() ? 0 : 1;
}

}  // namespace orizen::cli
