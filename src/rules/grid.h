// Fixed-size arrays addressed like the game addresses them: Board(x, y), HandLower(i).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orizen {

// Squares have two numbers. The board and every map store a square at sq(x, y), row by row within a
// border. What the levels 1 to 3 keep square by square in the survey's scan order (x outer, y
// inner), the order their sums are added in and their ties decided, is numbered scan(x, y);
// coordinates 0..27, where 0 is never a square of the board.
inline constexpr int kGrid = 28;
inline constexpr int kScanSquares = kGrid * kGrid;
inline constexpr int scan(int x, int y) { return x * kGrid + y; }
inline constexpr int scanX(int i) { return i / kGrid; }
inline constexpr int scanY(int i) { return i % kGrid; }

// The squares of a map: x 0..28 and y -1..29 stored row by row, square index (y + 2) * kW + x.
// The board's 27 × 27 squares lie within a border at least one square wide (two rows above and
// below), so a step or a knight's jump from any square of the board lands inside the array.
inline constexpr int kW = 29;
inline constexpr int kRows = 32;
inline constexpr int kSquares = kW * kRows;
inline constexpr int sq(int x, int y) { return (y + 2) * kW + x; }
inline constexpr int sqX(int s) { return s % kW; }
inline constexpr int sqY(int s) { return s / kW - 2; }
inline constexpr bool onBoard(int x, int y) { return unsigned(x - 1) < 27u && unsigned(y - 1) < 27u; }

// A map of the board addressed (x, y), or by square index.
template <class T>
struct Grid {
    T v[kSquares];

    constexpr T& operator()(int x, int y) { return v[sq(x, y)]; }
    constexpr const T& operator()(int x, int y) const { return v[sq(x, y)]; }
    T& operator[](int s) { return v[s]; }
    const T& operator[](int s) const { return v[s]; }
    void fill(T value) { std::fill(v, v + kSquares, value); }
    bool operator==(const Grid& o) const { return std::memcmp(v, o.v, sizeof v) == 0; }
};

using Map = Grid<int16_t>;

// The board's piece codes, all empty to begin with; the rules read the border as empty squares.
struct Cells : Grid<int16_t> {
    constexpr Cells() : Grid<int16_t>{} {}
    // Copies the squares of the board from `g`, whatever its border holds.
    void take(const Grid<int16_t>& g) {
        for (int y = 1; y <= 27; ++y) std::copy(&g.v[sq(1, y)], &g.v[sq(1, y)] + 27, &v[sq(1, y)]);
    }
};

// A small array addressed with parentheses, as the hands and flags are.
template <class T, int N>
struct Row {
    T v[N];

    T& operator()(int i) { return v[i]; }
    const T& operator()(int i) const { return v[i]; }
    void fill(T value) { std::fill(v, v + N, value); }
    bool operator==(const Row& o) const { return std::equal(v, v + N, o.v); }
};

}  // namespace orizen
