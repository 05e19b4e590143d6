#include "positions.h"

#include <iterator>
#include <memory>
#include <vector>

#include "rules/moves.h"
#include "game/headless.h"

namespace orizen::sweep {

namespace {

double uniform(std::mt19937_64& rng) { return std::uniform_real_distribution<double>(0, 1)(rng); }

constexpr int kCodes[] = {30, 31, 40, 41, 50, 51, 100, 101, 110, 800, 801, 900, 901};

struct Moves {
    std::vector<Mover> quiet, captures, drops;
};

void collect(Game& g, bool lower, const Style& style, std::mt19937_64& rng, Moves& m) {
    g.調査_2歩フラグ設定();
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int p = g.position().Board(x, y);
            if (lower ? p > -30 : p < 30) continue;
            moves::each(g.analysis(), x, y, p, [&](int tx, int ty) {
                int after = p;
                if (g.調査_駒成(x, y, tx, ty, p) == YES &&
                    (Game::移動後チェック(ty, p) == NO || uniform(rng) < style.promote))
                    after = g.turnWork().PromotedCode;
                (g.position().Board(tx, ty) == EMPTY ? m.quiet : m.captures).push_back({x, y, tx, ty, after});
            });
        }
    moves::eachDrop(g.analysis(), lower,
                    [&](int fx, int fy, int tx, int ty, int code) { m.drops.push_back({fx, fy, tx, ty, code}); });
}

// True when the mover's king is not attacked after the move.
bool safe(const Game& g, const Mover& m, bool lower) {
    return kingSafeAfter(g.analysis(), m.fx, m.fy, m.tx, m.ty, m.piece, lower);
}

}  // namespace

Style drawStyle(std::mt19937_64& rng) {
    Style s;
    s.drop = 0.3 * uniform(rng) * uniform(rng);
    s.capture = uniform(rng);
    s.promote = uniform(rng);
    s.careless = 0.1 * uniform(rng);
    s.computer = 0.8 * uniform(rng);
    s.plies = 20 + int(rng() % 700);
    s.scrambled = rng() % 4 == 0;
    return s;
}

void start(Game& g, const Style& style, std::mt19937_64& rng) {
    g.初期設定();
    if (style.scrambled) {
        // Pieces taken off, moved and put on anywhere, promoted ones among them, and filled hands.
        const int changes = 20 + int(rng() % 120);
        for (int i = 0; i < changes; ++i) {
            const int x = 1 + int(rng() % 27), y = 1 + int(rng() % 27);
            if (g.position().Board(x, y) == OU || g.position().Board(x, y) == -OU) continue;
            const int c = int(rng() % 3), code = kCodes[rng() % std::size(kCodes)];
            g.arrange().pos.Board(x, y) = int16_t(c == 0 ? EMPTY : c == 1 ? code : -code);
        }
        for (int k = 1; k <= 7; ++k)
            g.arrange().pos.HandUpper(k) = int(rng() % 4), g.arrange().pos.HandLower(k) = int(rng() % 4);
        g.arrange().pos.UpperHandCount = g.arrange().pos.LowerHandCount = 0;
        for (int k = 1; k <= 7; ++k)
            g.arrange().pos.UpperHandCount += g.position().HandUpper(k),
                g.arrange().pos.LowerHandCount += g.position().HandLower(k);
    }
    g.arrange().settings.ComputerLevel = 1 + int(rng() % 3);
    g.勢力調査();
}

bool randomMove(Game& g, bool lower, const Style& style, std::mt19937_64& rng, Mover& out) {
    Moves m;
    collect(g, lower, style, rng, m);
    if (m.quiet.empty() && m.captures.empty() && m.drops.empty()) return false;
    for (int attempt = 0;; ++attempt) {
        const std::vector<Mover>* from;
        if (!m.drops.empty() && (uniform(rng) < style.drop || (m.quiet.empty() && m.captures.empty())))
            from = &m.drops;
        else if (!m.captures.empty() && (uniform(rng) < style.capture || m.quiet.empty()))
            from = &m.captures;
        else
            from = &m.quiet;
        out = (*from)[rng() % from->size()];
        if (attempt >= 20 || uniform(rng) < style.careless || safe(g, out, lower)) return true;
    }
}

}  // namespace orizen::sweep
