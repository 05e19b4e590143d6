// Writes the ladder's starting positions: the opening array after a few random legal moves of
// each side, drawn from a fixed seed. Run once; its output is kept in tools/ladder/positions/.
//   build/tools/ladder/ladder_positions tools/ladder/positions
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "rules/moves.h"
#include "game/game.h"
#include "game/headless.h"

using namespace orizen;

namespace {

constexpr int kPositions = 24;
constexpr unsigned kSeed = 27;

struct Step {
    int fx, fy, tx, ty, piece;
};

// Every move and drop of the side, promoting only where the piece could not move again.
std::vector<Step> allMoves(Game& g, bool lower) {
    std::vector<Step> out;
    g.調査_2歩フラグ設定();
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int p = g.position().Board(x, y);
            if (lower ? p > -30 : p < 30) continue;
            for (int tx = 1; tx <= 27; ++tx)
                for (int ty = 1; ty <= 27; ++ty) {
                    const int d = g.position().Board(tx, ty);
                    if (d == OU || d == -OU || g.移動チェック(x, y, tx, ty, p) == NO) continue;
                    int after = p;
                    if (g.調査_駒成(x, y, tx, ty, p) == YES && Game::移動後チェック(ty, p) == NO)
                        after = g.turnWork().PromotedCode;
                    out.push_back({x, y, tx, ty, after});
                }
        }
    moves::eachDrop(g.analysis(), lower, [&](int fx, int fy, int tx, int ty, int code) {
        out.push_back({fx, fy, tx, ty, code});
    });
    return out;
}

// True when the mover's king is not attacked after the move.
bool safe(const Game& g, const Step& m, bool lower) {
    return kingSafeAfter(g.analysis(), m.fx, m.fy, m.tx, m.ty, m.piece, lower);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ladder_positions FOLDER\n");
        return 2;
    }
    std::mt19937 rng(kSeed);  // its output is fixed by the standard: the same positions everywhere
    NullCanvas canvas;
    NullHost host;
    NullSound sound;
    Players players;
    for (int n = 1; n <= kPositions; ++n) {
        auto g = std::make_unique<Game>(canvas, host, sound, players);
        g->初期設定();
        g->勢力調査();
        const int plies = 6 + 2 * int(rng() % 4);  // 6 to 12: the lower side is to move
        for (int ply = 0; ply < plies; ++ply) {
            const bool lower = ply % 2 == 0;
            const std::vector<Step> all = allMoves(*g, lower);
            for (;;) {
                const Step& m = all[rng() % all.size()];
                if (!safe(*g, m, lower)) continue;
                g->駒移動(m.fx, m.fy, m.tx, m.ty, m.piece);
                g->勢力調査();
                break;
            }
        }
        char name[64];
        std::snprintf(name, sizeof name, "%s/%02d.pos", argv[1], n);
        std::ofstream out(name, std::ios::binary);
        out << "# Ladder start " << n << ": the opening array after " << plies << " random moves (seed " << kSeed
            << ").\nboard\n";
        for (int y = 1; y <= 27; ++y)
            for (int x = 1; x <= 27; ++x) out << g->position().Board(x, y) << (x == 27 ? "\n" : " ");
        out << "hand-upper";
        for (int k = 1; k <= 7; ++k) out << ' ' << g->position().HandUpper(k);
        out << "\nhand-lower";
        for (int k = 1; k <= 7; ++k) out << ' ' << g->position().HandLower(k);
        out << "\n";
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
