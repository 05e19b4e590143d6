// Helpers for tests that play through the window's own entry points: clicks and menu commands.
#pragma once

#include <numeric>
#include <random>

#include "fakes.h"

namespace orizen::test {

using Played = std::vector<std::intptr_t>;  // sound handles, as Harness::played() gives them

// Board and hands, to compare positions.
struct Position {
    Cells board;
    Row<int, 8> lower, upper;
    int lowerCount, upperCount;
    bool operator==(const Position&) const = default;
};

inline Position snapshot(const Game& g) {
    return {g.position().Board, g.position().HandLower, g.position().HandUpper, g.position().LowerHandCount,
            g.position().UpperHandCount};
}

inline int handSum(const Row<int, 8>& hand) { return std::accumulate(hand.v + 1, hand.v + 8, 0); }

inline bool totalsMatchHands(const Game& g) {
    return g.position().LowerHandCount == handSum(g.position().HandLower) &&
           g.position().UpperHandCount == handSum(g.position().HandUpper);
}

// An empty board with both kings on their opening squares and empty hands: a position to build
// by hand before starting a game from it.
inline void clearPosition(Game& g) {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) g.arrange().pos.Board(x, y) = EMPTY;
    g.arrange().pos.Board(14, 1) = 950;
    g.arrange().pos.Board(14, 27) = -950;
    g.arrange().pos.HandLower.fill(0);
    g.arrange().pos.HandUpper.fill(0);
    g.arrange().pos.LowerHandCount = g.arrange().pos.UpperHandCount = 0;
}

// A move by clicks: the source, then the destination with the given button.
inline void play(Harness& h, int fx, int fy, int tx, int ty, int button = LEFT_BUTTON) {
    h.click(fx, fy);
    h.click(tx, ty, button);
}
// A drop of hand kind k (1 pawn .. 7 rook) by the lower or the upper side.
inline void dropLower(Harness& h, int k, int tx, int ty) {
    h.click(29, 20 + k);
    h.click(tx, ty);
}
inline void dropUpper(Harness& h, int k, int tx, int ty) {
    h.click(-1, 8 - k);
    h.click(tx, ty);
}

// The window position of board cell (x, y)'s top-left corner.
inline double cellX(double x) { return BoardLeft + x * SquareWidth; }
inline double cellY(double y) { return BoardTop + y * SquareHeight; }

inline int outlinesIn(const RecordingCanvas& c, int colour, bool boardOnly = true) {
    int n = 0;
    for (const auto& op : c.ops) {
        if (op.kind != RecordingCanvas::Kind::Outline || op.code != colour) continue;
        if (boardOnly && (op.X < cellX(1) || op.X >= cellX(28) || op.Y < cellY(1) || op.Y >= cellY(28))) continue;
        ++n;
    }
    return n;
}

// Colour of the last outline drawn on cell (x, y), -1 when none was drawn.
inline int lastOutline(const RecordingCanvas& c, double x, double y) {
    int colour = -1;
    for (const auto& op : c.ops)
        if (op.kind == RecordingCanvas::Kind::Outline && op.X == cellX(x) && op.Y == cellY(y)) colour = op.code;
    return colour;
}

struct Candidate {
    int fx, fy, tx, ty, button;
    bool capture, drop, promotes;
};

// Every move and drop the side to move may make, as the person would click it. Captures of a
// king are left out: they end the game.
inline std::vector<Candidate> candidates(Game& g, std::mt19937& rng) {
    const bool lower = g.state().Turn == g.state().HumanSide;
    std::vector<Candidate> out;
    g.調査_2歩フラグ設定();
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int p = g.position().Board(x, y);
            if (lower ? p > -30 : p < 30) continue;
            for (int tx = 1; tx <= 27; ++tx)
                for (int ty = 1; ty <= 27; ++ty) {
                    const int d = g.position().Board(tx, ty);
                    if (d == 950 || d == -950 || g.移動チェック(x, y, tx, ty, p) == NO) continue;
                    const bool may = g.調査_駒成(x, y, tx, ty, p) == YES;
                    const bool must = Game::移動後チェック(ty, p) == NO;
                    const bool promote = must || (may && rng() % 4 != 0);
                    out.push_back({x, y, tx, ty, promote ? RIGHT_BUTTON : LEFT_BUTTON, d != EMPTY, false, promote});
                }
        }
    for (int k = 1; k <= 7; ++k) {
        if ((lower ? g.position().HandLower(k) : g.position().HandUpper(k)) <= 0) continue;
        const int code = lower ? -kHandCode[k] : kHandCode[k];
        const int sx = lower ? 29 : -1, sy = lower ? 20 + k : 8 - k;
        for (int tx = 1; tx <= 27; ++tx)
            for (int ty = 1; ty <= 27; ++ty)
                if (g.移動チェック(sx, sy, tx, ty, code) == YES)
                    out.push_back({sx, sy, tx, ty, LEFT_BUTTON, false, true, false});
    }
    return out;
}

// Picks captures and drops often, so that hands fill and promoted pieces get taken.
inline const Candidate& choose(const std::vector<Candidate>& all, std::mt19937& rng) {
    std::vector<const Candidate*> captures, drops;
    for (const Candidate& c : all) {
        if (c.capture) captures.push_back(&c);
        if (c.drop) drops.push_back(&c);
    }
    const unsigned r = rng() % 10;
    if (!captures.empty() && r < 6) return *captures[rng() % captures.size()];
    if (!drops.empty() && r < 8) return *drops[rng() % drops.size()];
    return all[rng() % all.size()];
}

}  // namespace orizen::test
