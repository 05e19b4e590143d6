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
    map(out, "LowerInfluence", g.survey().LowerInfluence);
    map(out, "UpperInfluence", g.survey().UpperInfluence);
    map(out, "LowerGuard", g.survey().LowerGuard);
    map(out, "UpperGuard", g.survey().UpperGuard);
    map(out, "UpperGuardX", g.remembered().UpperGuardX);
    map(out, "UpperGuardY", g.remembered().UpperGuardY);
    map(out, "LowerAttacker", g.survey().LowerAttacker);
    map(out, "LowerAttackerX", g.survey().LowerAttackerX);
    map(out, "LowerAttackerY", g.survey().LowerAttackerY);
    map(out, "UpperAttacker", g.survey().UpperAttacker);
    map(out, "UpperAttackerX", g.remembered().UpperAttackerX);
    map(out, "UpperAttackerY", g.remembered().UpperAttackerY);
    map(out, "CheckByLower", g.survey().CheckByLower);
    map(out, "CheckByUpper", g.survey().CheckByUpper);
    g.調査_移動不可駒();
    map(out, "LowerPinned", g.survey().LowerPinned);
    out.word("kings ");
    out.number(g.position().LowerKingX);
    out.word(" ");
    out.number(g.position().LowerKingY);
    out.word(" ");
    out.number(g.position().UpperKingX);
    out.word(" ");
    out.number(g.position().UpperKingY);
    out.word("\n");
    out.line("upper-pin-found", g.survey().UpperPinFound);
    return out.flush() ? 0 : 1;
}

}  // namespace orizen::cli
