// The influence survey of a candidate, made from the survey of the position before it.
//
// A candidate changes one or two squares. The counts change only by the reach of the pieces that
// left or came onto those squares and by the rays that pass through them; those reaches are walked
// on the old board (taken off) and on the new one (added). The guard and attacker values of a
// square, and which piece's square the survey writes there, depend on every piece that reaches it
// in scan order; they are worked out afresh, from the pieces that reached it before the move with
// those the walks took off or added, for the occupied squares the walks touch and for the changed
// squares themselves. Everything else is as before.
#include <cassert>
#include <utility>

#include "classic/search.h"

namespace orizen::search {

namespace {

// Opposite directions pair up: i and i ^ 1.
constexpr int kDir[8][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, 1}, {1, -1}, {-1, 1}};

// The most pieces that reach a square while look() merges its changes. Before the move at most 14
// reach it (one king a side): one a line, a second behind an adjacent king, and 4 knights. The
// walks that add reach are at most 2 pieces and 32 rays (see apply), each adding a square once.
constexpr int kMostReachers = 48;

inline bool goldLike(int a) { return a == 110 || a == 31 || a == 41 || a == 51 || a == 101; }

// Does a ray piece of this code walk in direction (dx, dy)?
bool walksRay(int code, int dx, int dy) {
    const bool diagonal = dx != 0 && dy != 0;
    switch (code) {
        case 40: return dx == 0 && dy == 1;
        case -40: return dx == 0 && dy == -1;
        case 800: case 801: case -800: case -801: return diagonal;
        case 900: case 901: case -900: case -901: return !diagonal;
        default: return false;
    }
}

// Recording of the upper reach step.
enum : uint8_t { G = 1, GS = 2, A = 4, AS = 8 };
constexpr uint8_t kFull = G | GS | A | AS;

// The code a ray piece enters, and its recording.
void rayEntry(int code, int& e, uint8_t& rec) {
    rec = kFull;
    switch (code) {
        case -801: e = -800; break;  // the lower horse's diagonals enter a bishop's code
        default: e = code; break;
    }
}

// Does the piece `code` standing (dx, dy) away reach by one step, and with what? (dx, dy) is the
// reached square minus the piece's square.
bool stepEntry(int code, int dx, int dy, int& e, uint8_t& rec) {
    const bool king = dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
    rec = 0;
    e = code;
    if (code < 0) {
        const int a = -code;
        if (a == 30) return dx == 0 && dy == -1;
        if (a == 50) return (dx == 1 || dx == -1) && dy == -2;
        if (a == 100) return king && (dy == -1 || (dy == 1 && dx != 0));
        if (goldLike(a)) return king && (dy == -1 || (dy == 0 && dx != 0) || (dy == 1 && dx == 0));
        if (a == 801) return king && (dx == 0) != (dy == 0);
        if (a == 901) return king && dx != 0 && dy != 0;
        if (a == 950) return king && (dx != 0 || dy != 0);
        return false;
    }
    switch (code) {
        case 30: rec = G | A; return dx == 0 && dy == 1;
        case 50: rec = G | GS; return (dx == 1 || dx == -1) && dy == 2;
        case 100: rec = G | GS; return king && (dy == 1 || (dy == -1 && dx != 0));
        case 801: return king && (dx == 0) != (dy == 0);
        case 901: rec = kFull; return king && dx != 0 && dy != 0;
        case 950: rec = G; return king && (dx != 0 || dy != 0);
        default:
            if (goldLike(code)) {
                e = 110;
                rec = G;
                return king && (dy == 1 || (dy == 0 && dx != 0) || (dy == -1 && dx == 0));
            }
            return false;
    }
}

// The ray pieces that reach (x, y), looking outward along each line (a ray passes through the
// other side's king); dirs gets the direction each one walks in. At most one a line: the first
// piece that is not a king ends the line.
constexpr int kMostRayReachers = 8;
int rayReachers(const Grid<int16_t>& b, const Lines& lines, int x, int y, Reacher* out, int* dirs) {
    int n = 0;
    for (int i = 0; i < 8; ++i) {
        const int dx = kDir[i][0], dy = kDir[i][1];
        bool lowerPasses = true, upperPasses = true;
        int sx = x, sy = y;
        while (lines.next(sx, sy, dx, dy, sx, sy)) {
            const int c = b(sx, sy);
            if ((c > 0 ? upperPasses : lowerPasses) && walksRay(c, -dx, -dy)) {
                int e;
                uint8_t rec;
                rayEntry(c, e, rec);
                assert(n < kMostRayReachers);
                if (dirs != nullptr) dirs[n] = i ^ 1;  // kDir pairs opposite directions
                out[n++] = {int16_t(scan(sx, sy)), int16_t(e), int8_t(sx), int8_t(sy), c > 0, rec};
            }
            if (c == 950)
                upperPasses = false;
            else if (c == -950)
                lowerPasses = false;
            else
                break;
            if (!lowerPasses && !upperPasses) break;
        }
    }
    return n;
}

// Calls visit(tx, ty, who) for every square the piece `code` on (x, y) reaches on board b: all of
// its reach, or only its ray in direction `dir` (an index into kDir).
template <class Visit>
void eachReach(const Grid<int16_t>& b, int code, int x, int y, int dir, Visit&& visit) {
    const bool upper = code > 0;
    const int enemyKing = upper ? -950 : 950;
    Reacher who{int16_t(scan(x, y)), 0, int8_t(x), int8_t(y), upper, 0};
    auto step = [&](int dx, int dy) {
        if (!onBoard(x + dx, y + dy)) return;
        int e;
        stepEntry(code, dx, dy, e, who.rec);
        who.e = int16_t(e);
        visit(x + dx, y + dy, who);
    };
    auto ray = [&](int i) {
        int e;
        rayEntry(code, e, who.rec);
        who.e = int16_t(e);
        for (int sx = x + kDir[i][0], sy = y + kDir[i][1]; onBoard(sx, sy); sx += kDir[i][0], sy += kDir[i][1]) {
            visit(sx, sy, who);
            const int t = b(sx, sy);
            if (t != EMPTY && t != enemyKing) return;
        }
    };
    if (dir >= 0) {
        ray(dir);
        return;
    }
    const int f = upper ? 1 : -1;
    const int a = upper ? code : -code;
    switch (a) {
        case 30: step(0, f); break;
        case 40: ray(upper ? 1 : 0); break;
        case 50: step(-1, 2 * f), step(1, 2 * f); break;
        case 100: step(0, f), step(-1, f), step(1, f), step(-1, -f), step(1, -f); break;
        case 800: ray(4), ray(5), ray(6), ray(7); break;
        case 801: step(0, -1), step(0, 1), step(-1, 0), step(1, 0), ray(4), ray(5), ray(6), ray(7); break;
        case 900: ray(0), ray(1), ray(2), ray(3); break;
        case 901: ray(0), ray(1), ray(2), ray(3), step(-1, -1), step(1, -1), step(-1, 1), step(1, 1); break;
        case 950:
            for (const auto& k : kDir) step(k[0], k[1]);
            break;
        default:
            if (goldLike(a)) step(0, f), step(-1, f), step(1, f), step(0, -f), step(-1, 0), step(1, 0);
            break;
    }
}

}  // namespace

void Delta::set(Analysis&, Map& m, int x, int y, int v, uint8_t what) {
    int16_t& at = m(x, y);
    if (at == v) return;
    if (nLog_ == logLimit_) {
        overflow_ = true;
        return;
    }
    log_[nLog_++] = {&at, at};
    at = int16_t(v);
    if (what != 0) {
        uint8_t& w = changedWhat[scan(x, y)];
        if (w == 0) changedCell[nChanged++] = uint16_t(scan(x, y));
        w |= what;
    }
}

void Delta::count(Analysis& g, bool upper, int x, int y, int d, const Reacher& who) {
    Map& m = upper ? g.maps.UpperInfluence : g.maps.LowerInfluence;
    set(g, m, x, y, m(x, y) + d, upper ? kUpper : kLower);
    if (g.pos.Board(x, y) == EMPTY) return;
    const int at = scan(x, y);
    if (mark_[at] == 0) {
        mark_[at] = 1;
        marked_[nMarked_++] = uint16_t(at);
        head_[at] = -1;
    }
    if (nChanges_ == changesLimit_) {
        overflow_ = true;
        return;
    }
    const int c = nChanges_++;
    changes_[c] = {-1, int8_t(d), who};
    if (head_[at] < 0)
        head_[at] = int16_t(c);
    else
        changes_[tail_[at]].next = int16_t(c);
    tail_[at] = int16_t(c);
}

// The reach of `code` on (x, y), walked on board `on`, each reached square's count moved by d:
// all of it, or only the ray in direction `dir` (an index into kDir).
void Delta::walk(Analysis& g, const Grid<int16_t>& on, int code, int x, int y, int d, int dir) {
    const bool upper = code > 0;
    eachReach(on, code, x, y, dir, [&](int tx, int ty, const Reacher& who) { count(g, upper, tx, ty, d, who); });
}

// Every piece's reach walked once, in scan order, so each square's list comes out in scan order.
void TurnBase::takeReachers() {
    uint16_t count[kScanSquares] = {};
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y)
            if (board(x, y) != EMPTY)
                eachReach(board, board(x, y), x, y, -1,
                          [&](int tx, int ty, const Reacher&) { ++count[scan(tx, ty)]; });
    int total = 0;
    for (int at = 0; at < kScanSquares; ++at) {
        reachFirst[at] = uint16_t(total);
        total += count[at];
        count[at] = reachFirst[at];
    }
    assert(total <= kCells * 14);  // see kMostReachers: well inside reachFirst's 16 bits
    reachFirst[kScanSquares] = uint16_t(total);
    reach.resize(size_t(total));
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y)
            if (board(x, y) != EMPTY)
                eachReach(board, board(x, y), x, y, -1,
                          [&](int tx, int ty, const Reacher& who) { reach[count[scan(tx, ty)]++] = who; });
}

// The cheapest lower attacker and cheapest upper guard of (x, y), and which squares the survey
// writes there, from every piece that reaches it in scan order. (The lower guard and the upper
// attacker's code are not read by the evaluation and are left alone; the square maps are written
// only on the changed squares, the one place the evaluation reads them.)
void Delta::look(Analysis& g, int x, int y, bool changed, Written& w) {
    w = {uint16_t(scan(x, y)), 0, 0, 0, 0};
    const int t = g.pos.Board(x, y);
    int ug = 999, la = -999, lax = 0, lay = 0;
    if (t != EMPTY) {
        // The pieces that reached the square before, less those that stopped, with those that
        // started, in scan order.
        Reacher r[kMostReachers];
        int n = 0;
        const int at = scan(x, y);
        assert(base_->reachFirst[at + 1] - base_->reachFirst[at] <= 14);
        for (int k = base_->reachFirst[at]; k < base_->reachFirst[at + 1]; ++k) r[n++] = base_->reach[k];
        for (int c = head_[at]; c >= 0; c = changes_[c].next) {
            const Change& ch = changes_[c];
            if (ch.sign > 0) {
                if (n == kMostReachers) {
                    overflow_ = true;
                    return;
                }
                int j = n++;
                for (; j > 0 && r[j - 1].scan > ch.who.scan; --j) r[j] = r[j - 1];
                r[j] = ch.who;
            } else {
                for (int j = 0; j < n; ++j)
                    if (r[j].scan == ch.who.scan && r[j].e == ch.who.e) {
                        for (int k = j + 1; k < n; ++k) r[k - 1] = r[k];
                        --n;
                        break;
                    }
            }
        }
        int ua = 999;
        for (int i = 0; i < n; ++i) {
            const Reacher& p = r[i];
            if (t > 0) {
                if (!p.upper) {
                    if (la < p.e) la = p.e, lax = p.x, lay = p.y;
                } else if (t >= 30 && (p.rec & G) && ug > p.e) {
                    ug = p.e;
                    if (p.rec & GS) w.gx = int8_t(p.x), w.gy = int8_t(p.y);
                }
            } else if (p.upper && t <= -30 && (p.rec & A) && ua > p.e) {
                ua = p.e;
                if (p.rec & AS) w.ax = int8_t(p.x), w.ay = int8_t(p.y);
            }
        }
    }
    set(g, g.maps.UpperGuard, x, y, ug, kOwn);
    set(g, g.maps.LowerAttacker, x, y, la, kAttacker);
    set(g, g.maps.LowerAttackerX, x, y, lax, kOwn);
    set(g, g.maps.LowerAttackerY, x, y, lay, kOwn);
    if (changed && w.gx != 0)
        set(g, memory_->UpperGuardX, x, y, w.gx, 0), set(g, memory_->UpperGuardY, x, y, w.gy, 0);
}

bool Delta::apply(Analysis& g, Memory& memory, const TurnBase& base, int n, const int* xs, const int* ys,
                  Written* written, int& nWritten) {
    nLog_ = 0;
    nMarked_ = 0;
    nChanges_ = 0;
    overflow_ = false;
    base_ = &base;
    memory_ = &memory;
    savedKing_[0] = g.pos.UpperKingX, savedKing_[1] = g.pos.UpperKingY;
    lines = base.lines;
    for (int i = 0; i < n; ++i) lines.put(xs[i], ys[i], g.pos.Board(xs[i], ys[i]) != EMPTY);

    // The pieces that left the changed squares and those that stand there now.
    for (int i = 0; i < n; ++i) {
        const int x = xs[i], y = ys[i];
        uint8_t& what = changedWhat[scan(x, y)];
        if (what == 0) changedCell[nChanged++] = uint16_t(scan(x, y));
        what |= kPiece;
        if (mark_[scan(x, y)] == 0)
            mark_[scan(x, y)] = 1, marked_[nMarked_++] = uint16_t(scan(x, y)), head_[scan(x, y)] = -1;
        if (const int o = base.board(x, y); o != EMPTY) walk(g, base.board, o, x, y, -1, -1);
        if (const int c = g.pos.Board(x, y); c != EMPTY) {
            walk(g, g.pos.Board, c, x, y, 1, -1);
            if (c == 950) g.pos.UpperKingX = x, g.pos.UpperKingY = y;
        }
    }

    // The rays that reach a changed square, before or now, from pieces that stayed where they were.
    struct Ray {
        int x, y, dir;
    };
    // At most one reaches a square a line (rayReachers), on two boards, for two squares: 32.
    constexpr int kMostRays = 2 * 2 * kMostRayReachers;
    assert(n <= 2);
    Ray rays[kMostRays];
    int nRays = 0;
    for (int i = 0; i < n; ++i)
        // With one square changed, the same rays reach it before and now.
        for (int now = n == 1 ? 1 : 0; now < 2; ++now) {
            const Grid<int16_t>* b = now ? &g.pos.Board : &base.board;
            Reacher r[kMostRayReachers];
            int dirs[kMostRayReachers];
            const int m = rayReachers(*b, now ? lines : base.lines, xs[i], ys[i], r, dirs);
            for (int k = 0; k < m; ++k) {
                bool changed = false, seen = false;
                for (int j = 0; j < n; ++j) changed |= r[k].x == xs[j] && r[k].y == ys[j];
                for (int j = 0; j < nRays; ++j)
                    seen |= rays[j].x == r[k].x && rays[j].y == r[k].y && rays[j].dir == dirs[k];
                if (!changed && !seen) rays[nRays++] = {r[k].x, r[k].y, dirs[k]};
            }
        }
    for (int i = 0; i < nRays; ++i) {
        const int c = g.pos.Board(rays[i].x, rays[i].y);
        walk(g, base.board, c, rays[i].x, rays[i].y, -1, rays[i].dir);
        walk(g, g.pos.Board, c, rays[i].x, rays[i].y, 1, rays[i].dir);
    }

    // Guards and attackers afresh where something changed: one entry a marked square, each a
    // square of the board marked once, so at most kCells.
    assert(nMarked_ <= kCells);
    for (int i = 0; i < nMarked_; ++i) {
        const int x = scanX(marked_[i]), y = scanY(marked_[i]);
        look(g, x, y, (changedWhat[marked_[i]] & kPiece) != 0, written[nWritten]);
        ++nWritten;
        mark_[marked_[i]] = 0;
    }
    if (overflow_) {
        undo(g);
        return false;
    }
    return true;
}

void Delta::undo(Analysis& g) {
    for (int i = nLog_ - 1; i >= 0; --i) *log_[i].at = log_[i].old;
    nLog_ = 0;
    for (int i = 0; i < nChanged; ++i) changedWhat[changedCell[i]] = 0;
    nChanged = 0;
    for (int i = 0; i < nMarked_; ++i) mark_[marked_[i]] = 0;
    nMarked_ = 0;
    g.pos.UpperKingX = savedKing_[0], g.pos.UpperKingY = savedKing_[1];
}

}  // namespace orizen::search
