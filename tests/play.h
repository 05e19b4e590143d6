// Helpers for tests that play through the window's own entry points: clicks and menu commands.
#pragma once

#include <numeric>

#include "fakes.h"

namespace orizen::test {

using Played = std::vector<std::intptr_t>;  // sound handles, as Harness::played() gives them

// Board and hands, to compare positions.
struct Position {
    Grid<int16_t> board;
    Row<int, 8> lower, upper;
    int lowerCount, upperCount;
    bool operator==(const Position&) const = default;
};

inline Position snapshot(const Game& g) {
    return {g.Board, g.HandLower, g.HandUpper, g.LowerHandCount, g.UpperHandCount};
}

inline int handSum(const Row<int, 8>& hand) { return std::accumulate(hand.v + 1, hand.v + 8, 0); }

inline bool totalsMatchHands(const Game& g) {
    return g.LowerHandCount == handSum(g.HandLower) && g.UpperHandCount == handSum(g.HandUpper);
}

// An empty board with both kings on their opening squares and empty hands: a position to build
// by hand before starting a game from it.
inline void clearPosition(Game& g) {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) g.Board(x, y) = EMPTY;
    g.Board(14, 1) = 950;
    g.Board(14, 27) = -950;
    g.HandLower.fill(0);
    g.HandUpper.fill(0);
    g.LowerHandCount = g.UpperHandCount = 0;
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

}  // namespace orizen::test
