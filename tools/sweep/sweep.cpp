#include "sweep.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "classic/search.h"
#include "cli/commands.h"
#include "cli/position.h"
#include "positions.h"

namespace orizen::sweep {

namespace {

struct Searched {
    std::vector<Game::ScoredMove> candidates;
    Game::Choice choice;
};

void keep(void* self, const Game::ScoredMove& c) { static_cast<Searched*>(self)->candidates.push_back(c); }

Searched search(Game& g) {
    Searched s;
    s.choice = g.探索(&keep, &s);
    return s;
}

std::string line(const char* word, int fx, int fy, int tx, int ty, int before, int after, double score) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "%s %d %d %d %d %d %d %.6f (%a)", word, fx, fy, tx, ty, before, after, score,
                  score);
    return buf;
}

std::string line(const Game::ScoredMove& c) {
    return line("candidate", c.move.fx, c.move.fy, c.move.tx, c.move.ty, c.move.before, c.move.after, c.score);
}

// The first difference between the two searches and the games they leave, or "".
std::string compare(const Searched& quick, const Game& a, const Searched& plain, const Game& b) {
    const size_t n = std::min(quick.candidates.size(), plain.candidates.size());
    for (size_t i = 0; i < n; ++i) {
        const auto &p = quick.candidates[i], &q = plain.candidates[i];
        if (p.move.fx != q.move.fx || p.move.fy != q.move.fy || p.move.tx != q.move.tx || p.move.ty != q.move.ty ||
            p.move.before != q.move.before || p.move.after != q.move.after || p.score != q.score)
            return "candidate " + std::to_string(i + 1) + ": quick " + line(p) + ", plain " + line(q);
    }
    if (quick.candidates.size() != plain.candidates.size())
        return "candidates: quick " + std::to_string(quick.candidates.size()) + ", plain " +
               std::to_string(plain.candidates.size());
    const Game::Choice &c = quick.choice, &d = plain.choice;
    if (c.found != d.found || c.move.fx != d.move.fx || c.move.fy != d.move.fy || c.move.tx != d.move.tx ||
        c.move.ty != d.move.ty || c.move.after != d.move.after || c.score != d.score)
        return "choice: quick " +
               line("bestmove", c.move.fx, c.move.fy, c.move.tx, c.move.ty, c.move.before, c.move.after, c.score) +
               ", plain " +
               line("bestmove", d.move.fx, d.move.fy, d.move.tx, d.move.ty, d.move.before, d.move.after, d.score);
#define SAME(field) \
    if (!(a.field == b.field)) return "state left behind: " #field;
    SAME(position().Board)
    SAME(position().HandUpper)
    SAME(position().HandLower) SAME(position().UpperHandCount) SAME(position().LowerHandCount)
        SAME(position().LowerKingX) SAME(position().LowerKingY) SAME(position().UpperKingX) SAME(position().UpperKingY)
            SAME(state().Winner) SAME(position().PawnOnFileLower) SAME(position().PawnOnFileUpper)
                SAME(turnWork().PromotedCode) SAME(turnWork().BestScore) SAME(turnWork().BoardBefore)
                    SAME(turnWork().LowerInfluenceBefore) SAME(turnWork().UpperInfluenceBefore)
                        SAME(turnWork().UpperAttackerXBefore) SAME(turnWork().UpperAttackerYBefore)
                            SAME(turnWork().UpperHandCountBefore) SAME(turnWork().LowerKingEscapes)
                                SAME(turnWork().CandidatePiece) SAME(turnWork().MoverKingDistance)
                                    SAME(turnWork().BishopTargets) SAME(survey().LowerInfluence)
                                        SAME(survey().UpperInfluence) SAME(survey().LowerGuard)
                                            SAME(survey().UpperGuard) SAME(remembered().UpperGuardX)
                                                SAME(remembered().UpperGuardY) SAME(survey().LowerAttacker)
                                                    SAME(survey().LowerAttackerX) SAME(survey().LowerAttackerY)
                                                        SAME(survey().UpperAttacker) SAME(remembered().UpperAttackerX)
                                                            SAME(remembered().UpperAttackerY)
                                                                SAME(survey().CheckByLower) SAME(survey().CheckByUpper)
                                                                    SAME(survey().LowerPinned)
                                                                        SAME(survey().UpperPinFound)
#undef SAME
                                                                            return "";
}

// Both ways on copies of g; the quick one's game is kept in `after`.
std::string both(const Game& g, std::unique_ptr<Headless>& after, Game::Choice& choice) {
    static Players plainWay(1, true);
    auto quick = replica(g), plain = replica(g, &plainWay);
    const Searched q = search(quick->game), p = search(plain->game);
    choice = q.choice;
    after = std::move(quick);
    return compare(q, after->game, p, plain->game);
}

// The position as its file gives it, searched both ways from a fresh start.
bool differsFromFile(const std::string& text) {
    cli::Position pos;
    std::string error;
    if (!cli::parsePosition(text, pos, error)) return false;
    cli::Headless h;
    cli::place(h.game, pos);
    std::unique_ptr<Headless> after;
    Game::Choice choice;
    return !both(h.game, after, choice).empty();
}

}  // namespace

Report run(uint64_t seed, long positions, const std::function<void(long)>& progress) {
    Report r;
    std::mt19937_64 rng(seed);
    cli::Headless h;
    for (long game = 1; r.tried < positions; ++game) {
        const Style style = drawStyle(rng);
        auto held = replica(h.game);
        Game* cur = &held->game;
        start(*cur, style, rng);
        for (int ply = 0; ply < style.plies && r.tried < positions && cur->state().Winner == NO_GAME; ++ply) {
            Game& g = *cur;
            const bool lower = ply % 2 == 0;
            Mover m;
            if (lower) {
                if (!randomMove(g, true, style, rng, m)) break;
                g.駒移動(m.fx, m.fy, m.tx, m.ty, m.piece);
                g.勢力調査();
                g.詰めかCOM();  // as after a person's move: its trial surveys write the maps no survey clears
                continue;
            }
            std::unique_ptr<Headless> after;
            Game::Choice choice;
            const std::string what = both(g, after, choice);
            ++r.tried;
            if (!what.empty()) {
                const std::string text =
                    cli::positionText(g.position().Board, g.position().HandUpper, g.position().HandLower) + "level " +
                    std::to_string(g.options().ComputerLevel) + "\n";
                r.what = what;
                r.position = "# sweep: seed " + std::to_string(seed) + ", game " + std::to_string(game) + ", ply " +
                             std::to_string(ply + 1) + ", position " + std::to_string(r.tried) + "\n# " + what +
                             "\n# " +
                             (differsFromFile(text) ? "shows from this file alone"
                                                    : "shows only with the maps an earlier turn left") +
                             "\n" + text;
                return r;
            }
            held = std::move(after);  // the turn's state carries on, as in a game
            cur = &held->game;
            if (!choice.found) break;
            if (rng() % 1000 >= style.computer * 1000 && randomMove(*cur, false, style, rng, m)) {
                cur->駒移動(m.fx, m.fy, m.tx, m.ty, m.piece);
            } else {
                cur->駒移動(choice.move.fx, choice.move.fy, choice.move.tx, choice.move.ty, choice.move.after);
            }
            cur->勢力調査();
            cur->詰めかMAN();
        }
        if (progress) progress(r.tried);
    }
    return r;
}

}  // namespace orizen::sweep
