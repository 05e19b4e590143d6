// What one computer search keeps for the whole turn so that each candidate costs only what it
// changes: the maps of the position before the move and the danger scan's additions there.
#pragma once

#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "classic/arena.h"
#include "classic/pool.h"
#include "rules/analysis.h"
#include "rules/threads.h"

namespace orizen::search {

inline constexpr int kCells = 27 * 27;  // squares of the board
inline constexpr int kWords = (kScanSquares + 63) / 64;
inline constexpr int kMaxOpsPerCell = 24;  // a cell of the danger scan makes at most 17 additions

// Squares of the board as a bit set in scan order.
struct CellSet {
    uint64_t w[kWords];
    void clear() {
        for (uint64_t& v : w) v = 0;
    }
    void add(int x, int y) {
        if (x >= 1 && x <= 27 && y >= 1 && y <= 27) {
            const int i = scan(x, y);
            w[i >> 6] |= uint64_t(1) << (i & 63);
        }
    }
    bool has(int i) const { return (w[i >> 6] >> (i & 63)) & 1; }
};

// Which squares are occupied, line by line, to find the first occupied square from a square in
// any of the eight directions at once.
struct Lines {
    uint32_t row[28], col[28], up[53], down[53];  // bit x - 1 in a row and both diagonals, y - 1 in a column

    void take(const Grid<int16_t>& b);
    void put(int x, int y, bool occupied) {
        const uint32_t bx = uint32_t(1) << (x - 1), by = uint32_t(1) << (y - 1);
        if (occupied) {
            row[y] |= bx, col[x] |= by, down[x - y + 26] |= bx, up[x + y - 2] |= bx;
        } else {
            row[y] &= ~bx, col[x] &= ~by, down[x - y + 26] &= ~bx, up[x + y - 2] &= ~bx;
        }
    }
    // The first occupied square from (x, y) in direction (dx, dy), each -1, 0 or 1; false when the
    // line leaves the board first.
    bool next(int x, int y, int dx, int dy, int& nx, int& ny) const {
        uint32_t m;
        int b;
        if (dy == 0) {
            m = row[y], b = x - 1;
        } else if (dx == 0) {
            m = col[x], b = y - 1;
        } else if (dx == dy) {
            m = down[x - y + 26], b = x - 1;
        } else {
            m = up[x + y - 2], b = x - 1;
        }
        const bool forward = dx != 0 ? dx > 0 : dy > 0;
        if (forward) {
            m &= ~((uint32_t(2) << b) - 1);
            if (m == 0) return false;
            const int k = __builtin_ctz(m) - b;
            nx = x + k * dx, ny = y + k * dy;
        } else {
            m &= (uint32_t(1) << b) - 1;
            if (m == 0) return false;
            const int k = b - (31 - __builtin_clz(m));
            nx = x + k * dx, ny = y + k * dy;
        }
        return true;
    }
};

// A piece that reaches a square, as the survey's reach step sees it: its square (and scan order),
// the code it enters and, for an upper piece, what it records (see survey_delta.cpp).
struct Reacher {
    int16_t scan;  // scan(x, y)
    int16_t e;
    int8_t x, y;
    bool upper;
    uint8_t rec;
};

// The position before the computer's move, as the search found it.
struct TurnBase {
    Cells board;
    Lines lines;
    Map li, ui, la, lax, lay, ug, lg, ua, checkByLower, checkByUpper;
    int upperKingX, upperKingY, lowerKingX, lowerKingY, lowerHandCount;
    Row<int, 8> handLower;

    // The danger scan's additions cell by cell, without the fork rule (it depends on the candidate).
    double ops[kCells * kMaxOpsPerCell];
    uint16_t first[kScanSquares + 1];  // additions of square i: ops[first[i] .. first[i + 1])
    double sumBefore[kScanSquares + 1];  // the sum before square i
    CellSet withOps;
    CellSet quiet;  // empty squares whose additions do not depend on their counts

    // The pieces that reach each square, in scan order: reach[reachFirst[i] .. reachFirst[i + 1])
    // for square i = scan(x, y).
    std::vector<Reacher, ArenaAllocator<Reacher>> reach;
    uint16_t reachFirst[kScanSquares + 1];

    // Records everything from g, which holds the position and its survey.
    void take(Analysis& g);
    void takeReachers();
    // Puts the survey's maps and the kings back into g (the memory is the caller's to keep).
    void restore(Analysis& g) const;
};

class Delta;

// What an evaluation during a search scans the danger against: the position before the move, and
// the delta survey that made the maps now in the game (none after a full survey).
struct Quick {
    const TurnBase* base;
    const Delta* delta;
};

// What one candidate's survey wrote into the maps that no survey clears, square by square: the
// square of the guard (UpperGuardX/Y) and of the attacker (UpperAttackerX/Y), 0 when not written.
struct Written {
    uint16_t cell;  // scan(x, y)
    int8_t gx, gy, ax, ay;
};

// What changed on a square since the position before the move, by what reads it.
enum : uint8_t { kLower = 1, kUpper = 2, kAttacker = 4, kOwn = 8, kPiece = 16 };

// The influence survey of a candidate made from the survey of the position before it: only the
// pieces whose reach the candidate changes are walked again (their old reach taken off, the new
// one added), and only the occupied squares they reach are looked at afresh. The maps the
// evaluation reads come out as a full survey would leave them; the others (the check maps, the
// lower guard, the upper attacker) are not kept, and a candidate that checks is surveyed in full
// for the mate test. Every change is logged and undone afterwards.
class Delta {
public:
    // Room for the undo log and the reach changes of one candidate: far more than a move of one
    // or two squares makes (a few thousand log entries and some 200 changes at most).
    static constexpr int kLog = 8192;
    static constexpr int kChanges = 4096;

    Delta() {}  // the log and lists are written before they are read; only the marks start at 0

    // g.Board holds the candidate; base.board the position before it; they differ on the n
    // squares listed. Writes `memory` as the survey does on the changed squares (logged and undone
    // as the maps are) and appends what the survey writes to written[nWritten ..] (room for
    // kCells: one entry a square looked at afresh). False when the log or the changes would pass
    // their limits (nothing is changed then): the candidate is to be surveyed in full.
    bool apply(Analysis& g, Memory& memory, const TurnBase& base, int n, const int* xs, const int* ys,
               Written* written, int& nWritten);
    void undo(Analysis& g);

    // Lowers the room apply may use (at most kLog and kChanges), so that tests can make it give up.
    void limit(int log, int changes) {
        logLimit_ = log < kLog ? log : kLog;
        changesLimit_ = changes < kChanges ? changes : kChanges;
    }

    // The occupied squares of the candidate.
    Lines lines;

    // The squares whose maps changed, with what changed (kLower ...), for the danger scan. Each
    // square enters changedCell once (changedWhat 0 before), as each enters marked_ once.
    int nChanged = 0;
    uint16_t changedCell[kScanSquares];  // scan(x, y)
    uint8_t changedWhat[kScanSquares] = {};  // by scan(x, y), all 0 between candidates

private:
    struct Entry {
        int16_t* at;
        int16_t old;
    };
    Entry log_[kLog];
    int nLog_ = 0;
    int logLimit_ = kLog, changesLimit_ = kChanges;
    uint8_t mark_[kScanSquares] = {};  // squares to look at afresh
    uint16_t marked_[kScanSquares];
    int nMarked_ = 0;
    bool overflow_ = false;
    int savedKing_[2] = {};

    // Pieces that stopped or started reaching an occupied square that stays as it was, in the
    // order found, chained square by square: changes_[head_[at]], then .next, until -1.
    struct Change {
        int16_t next;
        int8_t sign;
        Reacher who;
    };
    Change changes_[kChanges];
    int nChanges_ = 0;
    int16_t head_[kScanSquares], tail_[kScanSquares];  // valid on marked squares
    const TurnBase* base_ = nullptr;
    Memory* memory_ = nullptr;  // the memory apply was given

    void set(Analysis& g, Map& m, int x, int y, int v, uint8_t what);
    void count(Analysis& g, bool upper, int x, int y, int d, const Reacher& who);
    void walk(Analysis& g, const Grid<int16_t>& on, int code, int x, int y, int d, int dir);
    void look(Analysis& g, int x, int y, bool changed, Written& w);
};

// 盤評価_COM危険座標 of the position on g's board against the base: the recorded additions of the
// cells the candidate left as they were, and the others computed afresh.
// With `delta`, the changes are those it logged (and the board's on its changed squares);
// otherwise they are found by comparing the maps.
double danger(Analysis& g, const TurnBase& base, const Delta* delta, int placed, int tx, int ty);

// The room each candidate's delta survey has (Delta::limit). A candidate that needs more is
// surveyed in full, with the same result; tests lower it to see that.
struct DeltaLimits {
    int log = Delta::kLog, changes = Delta::kChanges;
};

// The computer's quick search with what it runs on: its threads, their buffers, and whether it
// takes the plain way instead (each candidate surveyed in full, one after the other; the two ways
// give the same results, and tests compare them). Whoever plays owns one; one search runs on it at
// a time, and engines of their own search at once.
class Engine {
public:
    explicit Engine(int threads = Pool::defaultSize(), bool plain = false);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Steps 2 to 7 of the computer's turn and the choice of step 8 on g and the game's memory, with
    // the candidates surveyed by Delta. Leaves both exactly as the plain search does. False (and
    // nothing done) when the engine takes the plain way or the position is one the quick way does
    // not handle (not exactly one king a side): the caller searches the plain way then.
    bool search(Analysis& g, Memory& memory, CandidateSink sink, void* context, Choice& choice);

    // Starts the threads and makes their buffers now, so that a first turn finds them made as a
    // later one does.
    void prepare();

    Pool& pool() { return pool_; }
    bool plain() const { return plain_; }
    DeltaLimits limits;

private:
    struct State;
    std::unique_ptr<State> state_;
    Pool pool_;
    bool plain_;
};

// Prepares an engine on a thread of its own: start one when the program starts, before the
// position is loaded or while the person thinks. Waits for that work when destroyed.
class Warmup {
public:
    explicit Warmup(Engine& engine) {
        if constexpr (kThreads) {
            thread_ = std::thread([&engine] { engine.prepare(); });
        } else {
            engine.prepare();
        }
    }
    ~Warmup() {
        if (thread_.joinable()) thread_.join();
    }
    Warmup(const Warmup&) = delete;
    Warmup& operator=(const Warmup&) = delete;

private:
    std::thread thread_;
};

}  // namespace orizen::search
