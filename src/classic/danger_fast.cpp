// The danger scan of a candidate against the position before the move: cells whose inputs the
// candidate left alone add what they added there; only the others are computed afresh.
#include <cassert>
#include <cstdlib>
#include <cstring>

#include "classic/danger_cell.h"
#include "rules/moves.h"
#include "classic/search.h"

namespace orizen::search {

void Lines::take(const Grid<int16_t>& b) {
    *this = Lines{};
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y)
            if (b(x, y) != EMPTY) put(x, y, true);
}

void TurnBase::take(Analysis& g) {
    board = g.pos.Board;
    lines.take(board);
    takeReachers();
    li = g.maps.LowerInfluence;
    ui = g.maps.UpperInfluence;
    la = g.maps.LowerAttacker;
    lax = g.maps.LowerAttackerX;
    lay = g.maps.LowerAttackerY;
    ug = g.maps.UpperGuard;
    lg = g.maps.LowerGuard;
    ua = g.maps.UpperAttacker;
    checkByLower = g.maps.CheckByLower;
    checkByUpper = g.maps.CheckByUpper;
    upperKingX = g.pos.UpperKingX;
    upperKingY = g.pos.UpperKingY;
    lowerKingX = g.pos.LowerKingX;
    lowerKingY = g.pos.LowerKingY;
    lowerHandCount = g.pos.LowerHandCount;
    handLower = g.pos.HandLower;

    withOps.clear();
    danger::Fork unused;
    const danger::Placed none{0, 0, 0, false};
    int n = 0;
    for (int i = 0; i < kScanSquares; ++i) {
        first[i] = uint16_t(n);
        const int x = scanX(i), y = scanY(i);
        if (!onBoard(x, y)) continue;
        danger::cell(g, x, y, none, unused, [&](double d) { ops[n++] = d; });
        assert(n - first[i] <= kMaxOpsPerCell);
        if (n > first[i]) withOps.add(x, y);
    }
    first[kScanSquares] = uint16_t(n);
    double sum = 0;
    for (int i = 0; i < kScanSquares; ++i) {
        sumBefore[i] = sum;
        for (int k = first[i]; k < first[i + 1]; ++k) sum += ops[k];
    }
    sumBefore[kScanSquares] = sum;

    // Empty squares that add nothing whatever the counts on them, as long as the pieces around stay:
    // below row 3, away from the upper king, no piece above worth more than a lance, no knight's
    // fork, no major piece or king around, no silver's fork.
    quiet.clear();
    auto at = [&](int i, int j) { return i >= 1 && i <= 27 && j >= 1 && j <= 27 ? int(board(i, j)) : 0; };
    for (int x = 1; x <= 27; ++x)
        for (int y = 4; y <= 27; ++y) {
            if (board(x, y) != EMPTY || (std::abs(x - upperKingX) < 2 && std::abs(y - upperKingY) < 2)) continue;
            if (at(x, y - 1) > 40 || (at(x - 1, y - 2) > 30 && at(x + 1, y - 2) > 30)) continue;
            if ((at(x - 1, y - 1) >= 30 && at(x + 1, y + 1) >= 30) ||
                (at(x + 1, y - 1) >= 30 && at(x - 1, y + 1) >= 30))
                continue;
            bool major = false;
            for (int i = x - 1; i <= x + 1; ++i)
                for (int j = y - 1; j <= y + 1; ++j) major |= (i != x || j != y) && at(i, j) >= 800;
            if (!major) quiet.add(x, y);
        }
}

void TurnBase::restore(Analysis& g) const {
    g.maps.LowerInfluence = li;
    g.maps.UpperInfluence = ui;
    g.maps.LowerAttacker = la;
    g.maps.LowerAttackerX = lax;
    g.maps.LowerAttackerY = lay;
    g.maps.UpperGuard = ug;
    g.maps.LowerGuard = lg;
    g.maps.UpperAttacker = ua;
    g.maps.CheckByLower = checkByLower;
    g.maps.CheckByUpper = checkByUpper;
    g.pos.UpperKingX = upperKingX;
    g.pos.UpperKingY = upperKingY;
    g.pos.LowerKingX = lowerKingX;
    g.pos.LowerKingY = lowerKingY;
}

namespace {

// Marks the cells whose additions may read square (x, y), given what changed there. The counts
// are read by the cells only as 0, 1 or more (and compared with each other on upper pieces, in
// rows 1..3 and, for the lower count, beside the upper king), so a count that stays in its class
// elsewhere changes nothing. Readers of a neighbour's maps read them only when they hold a certain
// piece; a reader whose own piece changed is marked for that change anyway.
inline int countClass(int v) { return v < 2 ? v : 2; }

// Most changes are counts that stay in their class on squares no one compares them on.
inline bool unread(const Analysis& g, const TurnBase& base, int x, int y, unsigned what) {
    return !(what & (kPiece | kAttacker | kOwn)) && y > 3 &&
           countClass(base.li(x, y)) == countClass(g.maps.LowerInfluence(x, y)) &&
           countClass(base.ui(x, y)) == countClass(g.maps.UpperInfluence(x, y)) && g.pos.Board(x, y) < 30 &&
           !((what & kLower) && std::abs(x - g.pos.UpperKingX) < 2 && std::abs(y - g.pos.UpperKingY) < 2);
}

void markReaders(const Analysis& g, const TurnBase& base, CellSet& dirty, int x, int y, unsigned what) {
    auto cls = countClass;
    const int here = g.pos.Board(x, y);
    const int l0 = base.li(x, y), l1 = g.maps.LowerInfluence(x, y), u0 = base.ui(x, y),
              u1 = g.maps.UpperInfluence(x, y);
    const bool lowerClass = cls(l0) != cls(l1), upperClass = cls(u0) != cls(u1);
    auto at = [&g](int i, int j) { return i >= 1 && i <= 27 && j >= 1 && j <= 27 ? int(g.pos.Board(i, j)) : 1; };
    const bool lowerZero = (l0 == 0) != (l1 == 0), upperZero = (u0 == 0) != (u1 == 0);
    const bool counts = (what & (kLower | kUpper)) != 0;

    if ((what & (kPiece | kAttacker | kOwn)) || !base.quiet.has(scan(x, y))) dirty.add(x, y);
    if (what & kPiece) {
        const int was = base.board(x, y);
        // The surroundings count of the eight neighbours, when a major piece or king came or went.
        if ((was >= 800) != (here >= 800)) {
            dirty.add(x - 1, y - 1), dirty.add(x, y - 1), dirty.add(x + 1, y - 1);
            dirty.add(x - 1, y), dirty.add(x + 1, y);
            dirty.add(x - 1, y + 1), dirty.add(x, y + 1), dirty.add(x + 1, y + 1);
        }
        // Readers of this square by its piece or its counts: the square above in the top rows (a
        // lower pawn in front, or anything in front of an upper piece) and an upper piece above
        // anywhere (a pawn reads whether one upper piece guards the square in front of it); the
        // square below when empty (a lance's skewer) or a lower knight; empty squares on the
        // diagonals (a silver's fork); empty squares and lower knights two rows down beside (a
        // knight's fork, a knight's jump), and a lower knight four rows down.
        if (y <= 4 || at(x, y - 1) >= 30) dirty.add(x, y - 1);
        if (const int b = at(x, y + 1); b == EMPTY || b == -50) dirty.add(x, y + 1);
        for (int dx = -1; dx <= 1; dx += 2) {
            if (at(x + dx, y - 1) == EMPTY) dirty.add(x + dx, y - 1);
            if (at(x + dx, y + 1) == EMPTY) dirty.add(x + dx, y + 1);
            if (const int b = at(x + dx, y + 2); b == EMPTY || b == -50) dirty.add(x + dx, y + 2);
        }
        if (at(x, y + 4) == -50) dirty.add(x, y + 4);
        // Rows 1..3 look down their file as far as row 9 for a lance, rook or dragon.
        for (int r = 1; r <= 3 && r < y && y <= 9; ++r) dirty.add(x, r);
        // An empty square below an upper piece looks up the file for a lance's skewer, past that
        // piece and any empty squares.
        for (int r = y + 1; r <= 26; ++r)
            if (g.pos.Board(x, r) != EMPTY) {
                if (g.pos.Board(x, r) > 40) dirty.add(x, r + 1);
                break;
            }
        return;
    }
    // An upper piece above reads this square's counts and cheapest attacker.
    if (((what & kAttacker) || lowerClass || upperClass || (counts && y == 2)) && at(x, y - 1) >= 30)
        dirty.add(x, y - 1);
    // A lower knight below reads whether the lower side reaches this square.
    if (lowerZero && at(x, y + 1) == -50) dirty.add(x, y + 1);
    if (upperZero) {
        // Lower knights whose jump lands here, and empty squares whose silver fork needs this
        // upper piece unguarded.
        if (at(x - 1, y + 2) == -50) dirty.add(x - 1, y + 2);
        if (at(x + 1, y + 2) == -50) dirty.add(x + 1, y + 2);
        if (here >= 30) {
            if (at(x - 1, y - 1) == EMPTY) dirty.add(x - 1, y - 1);
            if (at(x + 1, y - 1) == EMPTY) dirty.add(x + 1, y - 1);
            if (at(x - 1, y + 1) == EMPTY) dirty.add(x - 1, y + 1);
            if (at(x + 1, y + 1) == EMPTY) dirty.add(x + 1, y + 1);
        }
    }
}

}  // namespace

double danger(Analysis& g, const TurnBase& base, const Delta* delta, int placed, int tx, int ty) {
    const danger::Placed p{placed, tx, ty, true};
    double S = 0;
    danger::Fork fork;
    auto add = [&S](double d) { S += d; };

    // The king's neighbourhood or the lower hand changed: every cell reads them.
    if (g.pos.UpperKingX != base.upperKingX || g.pos.UpperKingY != base.upperKingY ||
        g.pos.LowerHandCount != base.lowerHandCount || !(g.pos.HandLower == base.handLower))
        return danger::scan(g, p);

    CellSet dirty;
    dirty.clear();
    if (delta != nullptr) {
        for (int i = 0; i < delta->nChanged; ++i) {
            const int at = delta->changedCell[i];
            const int x = scanX(at), y = scanY(at), what = delta->changedWhat[at];
            if (!unread(g, base, x, y, what)) markReaders(g, base, dirty, x, y, what);
        }
    } else {
        // What changed where: one pass over the maps the cells read.
        uint8_t changed[kSquares];
        const int16_t* b = &g.pos.Board[0];
        const int16_t* l = &g.maps.LowerInfluence[0];
        const int16_t* u = &g.maps.UpperInfluence[0];
        const int16_t* a = &g.maps.LowerAttacker[0];
        const int16_t* ax = &g.maps.LowerAttackerX[0];
        const int16_t* ay = &g.maps.LowerAttackerY[0];
        const int16_t* gu = &g.maps.UpperGuard[0];
        const int16_t* b0 = &base.board[0];
        const int16_t* l0 = &base.li[0];
        const int16_t* u0 = &base.ui[0];
        const int16_t* a0 = &base.la[0];
        const int16_t* ax0 = &base.lax[0];
        const int16_t* ay0 = &base.lay[0];
        const int16_t* gu0 = &base.ug[0];
        for (int i = 0; i < kSquares; ++i)
            changed[i] = uint8_t((l[i] != l0[i]) * kLower | (u[i] != u0[i]) * kUpper | (a[i] != a0[i]) * kAttacker |
                                 ((ax[i] != ax0[i]) | (ay[i] != ay0[i]) | (gu[i] != gu0[i])) * kOwn |
                                 (b[i] != b0[i]) * kPiece);
        static_assert(kSquares % 8 == 0);
        uint64_t words[kSquares / 8];
        std::memcpy(words, changed, sizeof words);
        for (int w = 0; w < kSquares / 8; ++w) {
            if (words[w] == 0) continue;
            for (int k = 0; k < 8; ++k) {
                const int i = w * 8 + k;
                if (changed[i] != 0 && !unread(g, base, sqX(i), sqY(i), changed[i]))
                    markReaders(g, base, dirty, sqX(i), sqY(i), changed[i]);
            }
        }
    }
    // Lower pieces the placed piece could take next.
    if (g.maps.LowerInfluence(tx, ty) == 0)
        moves::each(g, tx, ty, placed, [&](int i, int j) {
            if (g.pos.Board(i, j) <= -30) dirty.add(i, j);
        });

    // While the cells computed afresh add what they added before, the sum is the one before the
    // move at the same point: only they need visiting. From the first that adds otherwise, every
    // cell with additions is replayed in order.
    int w = 0;
    uint64_t rest = 0;  // dirty cells of word w not visited yet
    for (; w < kWords; ++w) {
        uint64_t bits = dirty.w[w];
        while (bits != 0) {
            const int i = w * 64 + __builtin_ctzll(bits);
            bits &= bits - 1;
            S = base.sumBefore[i];
            danger::cell(g, scanX(i), scanY(i), p, fork, add);
            if (S != base.sumBefore[i + 1]) {
                // Off the old track: the remaining cells of this word come next.
                rest = (base.withOps.w[w] | dirty.w[w]) & ~((uint64_t(2) << (i & 63)) - 1);
                goto replay;
            }
        }
    }
    S = base.sumBefore[kScanSquares];
    if (fork.count >= 2) S += fork.cheapest;
    return S;

replay:
    for (;;) {
        while (rest != 0) {
            const int i = w * 64 + __builtin_ctzll(rest);
            rest &= rest - 1;
            if (dirty.has(i)) {
                danger::cell(g, scanX(i), scanY(i), p, fork, add);
            } else {
                for (int k = base.first[i]; k < base.first[i + 1]; ++k) S += base.ops[k];
            }
        }
        if (++w == kWords) break;
        rest = base.withOps.w[w] | dirty.w[w];
    }
    if (fork.count >= 2) S += fork.cheapest;
    return S;
}

}  // namespace orizen::search
