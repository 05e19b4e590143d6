#include "fingerprint.h"

#include <cstdio>
#include <cstring>

#include "classic/pool.h"
#include "classic/search.h"
#include "cli/commands.h"
#include "cli/position.h"
#include "cli/selfplay.h"

namespace orizen::fingerprint {

namespace {

// FNV-1a over 64-bit words: independent of how the fields are laid out in memory.
struct Hash {
    uint64_t h = 1469598103934665603ull;
    void add(int64_t v) {
        for (int i = 0; i < 8; ++i) h = (h ^ uint8_t(uint64_t(v) >> (8 * i))) * 1099511628211ull;
    }
    void add(double d) {
        int64_t bits;
        std::memcpy(&bits, &d, sizeof bits);
        add(bits);
    }
    template <class T>
    void add(const Grid<T>& m) {
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y) add(int64_t(m(x, y)));
    }
    template <class T, int N>
    void add(const Row<T, N>& r) {
        for (int i = 0; i < N; ++i) add(int64_t(r(i)));
    }
};

// The position, the turn's working state, the survey's maps and the four maps no survey clears.
void addState(Hash& h, const Game& g) {
    h.add(g.position().Board), h.add(g.position().HandUpper), h.add(g.position().HandLower);
    for (int v : {g.position().UpperHandCount, g.position().LowerHandCount, g.position().LowerKingX,
                  g.position().LowerKingY, g.position().UpperKingX, g.position().UpperKingY, g.state().Winner,
                  g.state().Turn, g.state().MoveNumber, g.moveHistory().RecordCount, g.turnWork().PromotedCode})
        h.add(int64_t(v));
    h.add(g.position().PawnOnFileLower), h.add(g.position().PawnOnFileUpper);
    h.add(g.turnWork().BestScore), h.add(g.turnWork().BoardBefore), h.add(g.turnWork().LowerInfluenceBefore),
        h.add(g.turnWork().UpperInfluenceBefore);
    h.add(g.turnWork().UpperAttackerXBefore), h.add(g.turnWork().UpperAttackerYBefore);
    for (int v : {g.turnWork().UpperHandCountBefore, g.turnWork().LowerKingEscapes, g.turnWork().CandidatePiece,
                  g.turnWork().MoverKingDistance})
        h.add(int64_t(v));
    h.add(g.turnWork().BishopTargets);
    for (const Map* m :
         {&g.survey().LowerInfluence, &g.survey().UpperInfluence, &g.survey().LowerGuard, &g.survey().UpperGuard,
          &g.survey().LowerAttacker, &g.survey().LowerAttackerX, &g.survey().LowerAttackerY, &g.survey().UpperAttacker,
          &g.survey().CheckByLower, &g.survey().CheckByUpper, &g.survey().LowerPinned})
        h.add(*m);
    h.add(int64_t(g.survey().UpperPinFound));
    for (const Map* m : {&g.remembered().UpperGuardX, &g.remembered().UpperGuardY, &g.remembered().UpperAttackerX,
                         &g.remembered().UpperAttackerY})
        h.add(*m);
}

// The players that search as `mode` says.
struct Use {
    explicit Use(const Mode& m) : players(m.threads == 0 ? 1 : m.threads, m.threads == 0) {}
    Players players;
};

void addCandidate(void* context, const Game::ScoredMove& c) {
    Hash& h = *static_cast<Hash*>(context);
    for (int v : {c.move.fx, c.move.fy, c.move.tx, c.move.ty, c.move.before, c.move.after}) h.add(int64_t(v));
    h.add(c.score);
}

// The sample's search as `bestmove --scores` runs it, and the state it leaves.
uint64_t sample(const cli::Position& p, const Mode& mode) {
    Use use(mode);
    Headless hl(use.players);
    cli::place(hl.game, p);
    Hash h;
    const Game::Choice c = hl.game.探索(&addCandidate, &h);
    for (int v : {int(c.found), c.move.fx, c.move.fy, c.move.tx, c.move.ty, c.move.before, c.move.after})
        h.add(int64_t(v));
    h.add(c.score);
    addState(h, hl.game);
    return h.h;
}

struct Played {
    cli::Selfplay* game;
    Hash hash;
};

void addPly(void* context, const cli::Ply& p) {
    Played& s = *static_cast<Played*>(context);
    for (int v : {p.n, int(p.upper), p.fromX, p.fromY, p.toX, p.toY, p.before, p.after, int(p.mate), int(p.check)})
        s.hash.add(int64_t(v));
    s.hash.add(p.score);
    addState(s.hash, s.game->game);
}

// A self-play game, with the state after every ply.
uint64_t game(const cli::SelfplaySettings& settings, const cli::Position* start, const Mode& mode) {
    Use use(mode);
    cli::Selfplay sp(settings, start, &use.players);
    Played played{&sp, {}};
    sp.play(&addPly, &played);
    played.hash.add(int64_t(sp.winner)), played.hash.add(int64_t(sp.reason));
    return played.hash.h;
}

std::string hex(uint64_t v) {
    char buf[20];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

}  // namespace

std::string Mode::name() const {
    std::string s = "plain";
    if (threads != 0) s.assign("threads-").append(std::to_string(threads));
    return s;
}

std::vector<Mode> allModes() { return {{1}, {2}, {8}, {0}}; }

std::string run(const Options& o, bool& agree) {
    agree = true;
    std::string out;
    const auto line = [&](const std::string& name, auto&& hashOf) {
        std::vector<uint64_t> hs;
        for (const Mode& m : o.modes) hs.push_back(hashOf(m));
        bool same = true;
        for (uint64_t v : hs) same = same && v == hs[0];
        out += name;
        if (same) {
            out += ' ';
            out += hex(hs[0]);
        } else {
            agree = false;
            for (size_t i = 0; i < hs.size(); ++i) {
                out += ' ';
                out += o.modes[i].name();
                out += '=';
                out += hex(hs[i]);
            }
        }
        out += "\n";
    };
    const std::string positions = o.sourceDir + "/tests/data/positions/", games = o.sourceDir + "/tests/data/selfplay/";
    for (int i = 1; i <= 10; ++i) {
        char name[24];
        std::snprintf(name, sizeof name, "sample%02d", i);
        cli::Position p;
        std::string error;
        if (!cli::readPosition(positions + name + ".pos", p, error)) {
            out.append(name).append(" unreadable: ").append(error).append("\n");
            agree = false;
            continue;
        }
        line(name, [&](const Mode& m) { return sample(p, m); });
    }
    cli::Position hands;
    std::string error;
    const bool handsRead = cli::readPosition(games + "hands.pos", hands, error);
    if (!handsRead) {
        out.append("hands.pos unreadable: ").append(error).append("\n");
        agree = false;
    }
    struct Stored {
        const char* name;
        cli::SelfplaySettings settings;
        bool hands, isLong;
    };
    const Stored stored[] = {
        {"opening-40", {3, 3, false, 40}, false, false},
        {"hands-40", {3, 3, false, 40}, true, false},
        {"levels-40", {2, 1, true, 40}, false, false},
        {"hands-500", {3, 3, false, HISTORY_MAX}, true, true},
    };
    for (const Stored& s : stored) {
        if ((s.isLong && !o.longGames) || (s.hands && !handsRead)) continue;
        line(std::string("game ") + s.name,
             [&](const Mode& m) { return game(s.settings, s.hands ? &hands : nullptr, m); });
    }
    return out;
}

}  // namespace orizen::fingerprint
