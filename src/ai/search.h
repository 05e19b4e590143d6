// What one computer search keeps for the whole turn so that each candidate costs only what it
// changes: the maps of the position before the move and the danger scan's additions there.
#pragma once

#include <cstdint>

#include "game/game.h"

namespace orizen::search {

inline constexpr int kCells = 27 * 27;
inline constexpr int kWords = (kCells + 63) / 64;
inline constexpr int kMaxOpsPerCell = 24;

// Cell (x, y) in board order, x outer.
inline int cellIndex(int x, int y) { return (x - 1) * 27 + (y - 1); }

// Cells as a bit set in board order.
struct CellSet {
    uint64_t w[kWords];
    void clear() {
        for (uint64_t& v : w) v = 0;
    }
    void add(int x, int y) {
        if (x >= 1 && x <= 27 && y >= 1 && y <= 27) {
            const int i = cellIndex(x, y);
            w[i >> 6] |= uint64_t(1) << (i & 63);
        }
    }
    bool has(int i) const { return (w[i >> 6] >> (i & 63)) & 1; }
};

// The position before the computer's move, as the search found it.
struct TurnBase {
    Grid<int16_t> board;
    Map li, ui, la, lax, lay, ug;
    int upperKingX, upperKingY, lowerHandCount;
    Row<int, 8> handLower;

    // The danger scan's additions cell by cell, without the fork rule (it depends on the candidate).
    double ops[kCells * kMaxOpsPerCell];
    uint16_t first[kCells + 1];  // additions of cell i: ops[first[i] .. first[i + 1])
    CellSet withOps;

    // Records everything from g, which holds the position and its survey.
    void take(Game& g);
};

// The base the calling thread evaluates against while a search of `game` runs on it.
struct Active {
    const Game* game = nullptr;
    const TurnBase* base = nullptr;
};
extern thread_local Active active;

// Sets the calling thread's active search for the lifetime of the object.
class Activate {
public:
    Activate(const Game& g, const TurnBase& b) : saved_(active) { active = Active{&g, &b}; }
    ~Activate() { active = saved_; }
    Activate(const Activate&) = delete;
    Activate& operator=(const Activate&) = delete;

private:
    Active saved_;
};

// 盤評価_COM危険座標 of the position on g's board against the base: the recorded additions of the
// cells the candidate left as they were, and the others computed afresh.
double danger(Game& g, const TurnBase& base, int placed, int tx, int ty);

}  // namespace orizen::search
