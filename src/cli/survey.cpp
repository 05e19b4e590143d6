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
    map(out, "LowerInfluence", g.LowerInfluence);
    map(out, "UpperInfluence", g.UpperInfluence);
    map(out, "LowerGuard", g.LowerGuard);
    map(out, "UpperGuard", g.UpperGuard);
    map(out, "UpperGuardX", g.UpperGuardX);
    map(out, "UpperGuardY", g.UpperGuardY);
    map(out, "LowerAttacker", g.LowerAttacker);
    map(out, "LowerAttackerX", g.LowerAttackerX);
    map(out, "LowerAttackerY", g.LowerAttackerY);
    map(out, "UpperAttacker", g.UpperAttacker);
    map(out, "UpperAttackerX", g.UpperAttackerX);
    map(out, "UpperAttackerY", g.UpperAttackerY);
    map(out, "CheckByLower", g.CheckByLower);
    map(out, "CheckByUpper", g.CheckByUpper);
    g.調査_移動不可駒();
    map(out, "LowerPinned", g.LowerPinned);
    out.word("kings ");
    out.number(g.LowerKingX);
    out.word(" ");
    out.number(g.LowerKingY);
    out.word(" ");
    out.number(g.UpperKingX);
    out.word(" ");
    out.number(g.UpperKingY);
    out.word("\n");
    out.line("upper-pin-found", g.UpperPinFound);
    return out.flush() ? 0 : 1;
}

}  // namespace orizen::cli
