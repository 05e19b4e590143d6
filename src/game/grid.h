// Fixed-size arrays addressed like the game addresses them: Board(x, y), HandLower(i).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orizen {

inline constexpr int kGrid = 28;  // subscripts 0..27; row and column 0 are never used

// A 28 × 28 map addressed (x, y); x is the outer index, so a scan with x outer and y inner
// walks memory in order.
template <class T>
struct Grid {
    T v[kGrid][kGrid];

    T& operator()(int x, int y) { return v[x][y]; }
    const T& operator()(int x, int y) const { return v[x][y]; }
    void fill(T value) { std::fill(&v[0][0], &v[0][0] + kGrid * kGrid, value); }
    bool operator==(const Grid& o) const { return std::memcmp(v, o.v, sizeof v) == 0; }
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

using Map = Grid<int16_t>;

}  // namespace orizen
