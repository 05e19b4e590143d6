// The computer's search with delta surveys: the same candidates in the same order, the same
// scores, the same early stops, and the same state left behind as the plain search.
//
// The one state that outlives a search and that the candidates' surveys write without clearing is
// the square maps of guards and attackers. Each candidate's survey writes the same squares as the
// survey of the position before the move, except on the squares it looked at afresh; so each
// evaluation keeps only what it wrote there, and the maps are put together at the end by going
// back from the last evaluation: a square takes the value of the last survey that wrote it.
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "ai/search.h"

namespace orizen::search {

namespace {

enum Kind : uint8_t { kPlain, kForced, kOptional };

struct Candidate {
    int8_t fx, fy, tx, ty;
    int16_t piece, captured, promoted;
    Kind kind;
    int16_t distance;  // MoverKingDistance while it is evaluated
};

struct Evaluation {
    double score;
    int begin, end;  // its entries in the written list
};

// What the evaluations wrote, one after the other; grows (rarely) by doubling.
struct WrittenList {
    std::unique_ptr<Written[]> at;
    size_t size = 0, capacity = 0;

    // Room for n more entries at the end.
    Written* room(size_t n) {
        if (size + n > capacity) {
            const size_t grown = std::max(capacity * 2, size + n + (size_t(1) << 16));
            std::unique_ptr<Written[]> more(new Written[grown]);
            std::copy(at.get(), at.get() + size, more.get());
            at = std::move(more);
            capacity = grown;
        }
        return at.get() + size;
    }
    const Written& operator[](size_t i) const { return at[i]; }
};

struct Space {
    TurnBase base;
    Delta delta;
    std::vector<Candidate> candidates;
    std::vector<Evaluation> evaluations;
    WrittenList written;
    Map guardX0, guardY0, attackerX0, attackerY0;  // the maps after the first survey of the turn
    Written base0[kCells];                             // what that survey wrote
};

Space& space() {
    thread_local std::unique_ptr<Space> s;
    if (!s) {
        s = std::make_unique<Space>();
        s->candidates.reserve(8192);
        s->evaluations.reserve(8192);
        s->written.room(size_t(1) << 18);
    }
    return *s;
}

int countKings(const Game& g, int code) {
    int n = 0;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) n += g.Board(x, y) == code;
    return n;
}

// Zeroes the four maps no survey clears, so that what the next survey writes shows.
void zeroSquares(Game& g) {
    g.UpperGuardX.fill(0);
    g.UpperGuardY.fill(0);
    g.UpperAttackerX.fill(0);
    g.UpperAttackerY.fill(0);
}

// What a survey run on zeroed square maps wrote, one entry per cell.
void collect(const Game& g, Written* out) {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y)
            out[cellIndex(x, y)] = {uint16_t(cellIndex(x, y)), int8_t(g.UpperGuardX(x, y)), int8_t(g.UpperGuardY(x, y)),
                                    int8_t(g.UpperAttackerX(x, y)), int8_t(g.UpperAttackerY(x, y))};
}

// Surveys the candidate now on the board and scores it.
double evaluate(Game& g, Space& s, int n, const int* xs, const int* ys, int captured, int placed, int fx, int fy,
                int tx, int ty) {
    const size_t begin = s.written.size;
    Written* out = s.written.room(kCells);
    int nWritten = 0;
    bool delta = s.delta.apply(g, s.base, n, xs, ys, out, nWritten);
    // A candidate that checks is surveyed in full: the mate test reads the check maps.
    if (delta && captured != -950 && g.LowerInfluence(g.UpperKingX, g.UpperKingY) == 0 &&
        g.UpperInfluence(g.LowerKingX, g.LowerKingY) > 0) {
        s.delta.undo(g);
        delta = false;
    }
    double score;
    if (delta) {
        s.written.size = begin + nWritten;
        active.delta = &s.delta;
        score = g.盤評価(captured, placed, fx, fy, tx, ty);
        active.delta = nullptr;
        s.delta.undo(g);
    } else {
        zeroSquares(g);
        g.勢力調査();
        collect(g, out);
        s.written.size = begin + kCells;
        score = g.盤評価(captured, placed, fx, fy, tx, ty);
        s.base.restore(g);
    }
    s.evaluations.push_back({score, int(begin), int(s.written.size)});
    return score;
}

// Puts together the four square maps as the plain search leaves them after `last` evaluations.
void squareMaps(Game& g, Space& s, int last) {
    g.UpperGuardX = s.guardX0;
    g.UpperGuardY = s.guardY0;
    g.UpperAttackerX = s.attackerX0;
    g.UpperAttackerY = s.attackerY0;
    if (last == 0) return;
    // A square is settled by the last evaluation that wrote it. An evaluation that did not look at
    // a square afresh wrote what the first survey wrote there.
    uint8_t guardDone[kCells] = {}, attackerDone[kCells] = {};
    int stamp[kCells];
    std::fill(stamp, stamp + kCells, -1);
    uint16_t pending[2][kCells];  // squares the first survey wrote, not settled yet
    int nPending[2] = {0, 0};
    for (int i = 0; i < kCells; ++i) {
        if (s.base0[i].gx != 0) pending[0][nPending[0]++] = uint16_t(i);
        if (s.base0[i].ax != 0) pending[1][nPending[1]++] = uint16_t(i);
    }
    auto settle = [&](const Written& w, bool guard) {
        const int x = w.cell / 27 + 1, y = w.cell % 27 + 1;
        if (guard) {
            g.UpperGuardX(x, y) = w.gx, g.UpperGuardY(x, y) = w.gy;
            guardDone[w.cell] = 1;
        } else {
            g.UpperAttackerX(x, y) = w.ax, g.UpperAttackerY(x, y) = w.ay;
            attackerDone[w.cell] = 1;
        }
    };
    for (int e = last - 1; e >= 0; --e) {
        const Evaluation& ev = s.evaluations[e];
        for (int k = ev.begin; k < ev.end; ++k) {
            const Written& w = s.written[k];
            stamp[w.cell] = e;
            if (w.gx != 0 && !guardDone[w.cell]) settle(w, true);
            if (w.ax != 0 && !attackerDone[w.cell]) settle(w, false);
        }
        for (int m = 0; m < 2; ++m) {
            int kept = 0;
            for (int k = 0; k < nPending[m]; ++k) {
                const int cell = pending[m][k];
                if (m == 0 ? guardDone[cell] : attackerDone[cell]) continue;
                if (stamp[cell] != e)
                    settle(s.base0[cell], m == 0);
                else
                    pending[m][kept++] = uint16_t(cell);
            }
            nPending[m] = kept;
        }
    }
}

}  // namespace

bool fastSearch(Game& g, Game::CandidateSink sink, void* context, Game::Choice& best) {
    if (countKings(g, 950) != 1 || countKings(g, -950) != 1) return false;
    Space& s = space();
    best = Game::Choice{};
    g.BestScore = -99999;
    g.BoardBefore = g.Board;

    g.調査_2歩フラグ設定();
    g.LowerKingEscapes = g.調査_自王逃道();
    // The first survey, on zeroed square maps to see what it writes; then the maps as it leaves them.
    s.guardX0 = g.UpperGuardX, s.guardY0 = g.UpperGuardY;
    s.attackerX0 = g.UpperAttackerX, s.attackerY0 = g.UpperAttackerY;
    zeroSquares(g);
    g.勢力調査();
    collect(g, s.base0);
    for (int i = 0; i < kCells; ++i) {
        const Written& w = s.base0[i];
        const int x = i / 27 + 1, y = i % 27 + 1;
        if (w.gx != 0) s.guardX0(x, y) = w.gx, s.guardY0(x, y) = w.gy;
        if (w.ax != 0) s.attackerX0(x, y) = w.ax, s.attackerY0(x, y) = w.ay;
    }
    g.UpperGuardX = s.guardX0, g.UpperGuardY = s.guardY0;
    g.UpperAttackerX = s.attackerX0, g.UpperAttackerY = s.attackerY0;
    g.調査_持角狙座標();
    g.調査_移動不可駒();

    g.UpperHandCountBefore = g.UpperHandCount;
    g.LowerInfluenceBefore = g.LowerInfluence;
    g.UpperInfluenceBefore = g.UpperInfluence;
    g.UpperAttackerXBefore = g.UpperAttackerX;
    g.UpperAttackerYBefore = g.UpperAttackerY;
    s.base.take(g);
    const Activate activate(g, s.base);

    // The candidates in search order.
    s.candidates.clear();
    int distance = g.MoverKingDistance;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int piece = g.Board(x, y);
            if (piece < 30) continue;
            int x1, x2, y1, y2;
            Game::取得_駒移動座標(piece, x, y, x1, x2, y1, y2);
            for (int tx = x1; tx <= x2; ++tx)
                for (int ty = y1; ty <= y2; ++ty) {
                    if (g.移動チェック(x, y, tx, ty, piece) != YES) continue;
                    distance = std::max(std::abs(x - g.LowerKingX), std::abs(y - g.LowerKingY));
                    Candidate c{int8_t(x), int8_t(y), int8_t(tx), int8_t(ty), int16_t(piece), g.Board(tx, ty), 0, kPlain,
                                int16_t(distance)};
                    const int saved = g.PromotedCode;
                    if (g.調査_駒成(x, y, tx, ty, piece) == YES) {
                        c.promoted = int16_t(g.PromotedCode);
                        c.kind = Game::移動後チェック(ty, piece) == NO ? kForced : kOptional;
                    }
                    g.PromotedCode = saved;
                    s.candidates.push_back(c);
                }
        }
    if (g.UpperHandCountBefore > 0)
        for (int k = 1; k <= 7; ++k) {
            if (g.HandUpper(k) <= 0) continue;
            const int piece = kHandCode[k];
            for (int tx = 1; tx <= 27; ++tx)
                for (int ty = 1; ty <= 27; ++ty)
                    if (g.移動チェック(-1, k, tx, ty, piece) == YES)
                        s.candidates.push_back(Candidate{-1, int8_t(k), int8_t(tx), int8_t(ty), int16_t(piece), EMPTY, 0,
                                                         kPlain, int16_t(distance)});
        }

    // Score them in order, up to an early stop.
    s.evaluations.clear();
    s.written.size = 0;
    int lastPiece = g.CandidatePiece, lastPromoted = g.PromotedCode, lastDistance = g.MoverKingDistance;
    bool stopped = false;
    size_t done = 0;
    for (const Candidate& c : s.candidates) {
        ++done;
        const bool drop = c.fx == -1;
        g.CandidatePiece = c.piece;
        g.MoverKingDistance = c.distance;
        int xs[2] = {c.tx, c.fx}, ys[2] = {c.ty, c.fy};
        const int n = drop ? 1 : 2;
        if (!drop) g.Board(c.fx, c.fy) = EMPTY;
        int after = c.kind == kForced ? c.promoted : c.piece;
        g.Board(c.tx, c.ty) = int16_t(after);
        double score = evaluate(g, s, n, xs, ys, c.captured, after, c.fx, c.fy, c.tx, c.ty);
        if (sink != nullptr) sink(context, {c.fx, c.fy, c.tx, c.ty, c.piece, after, score});
        if (c.kind == kOptional) {
            g.Board(c.tx, c.ty) = c.promoted;
            const double promoted = evaluate(g, s, n, xs, ys, c.captured, c.promoted, c.fx, c.fy, c.tx, c.ty);
            if (sink != nullptr) sink(context, {c.fx, c.fy, c.tx, c.ty, c.piece, c.promoted, promoted});
            if (promoted > score) score = promoted, after = c.promoted;
        }
        g.Board(c.tx, c.ty) = c.captured;
        if (!drop) {
            g.Board(c.fx, c.fy) = c.piece;
            lastDistance = c.distance;
            if (c.kind != kPlain) lastPromoted = c.promoted;
        }
        lastPiece = c.piece;
        if (score > g.BestScore) {
            g.BestScore = score;
            best = Game::Choice{true, c.fx, c.fy, c.tx, c.ty, c.piece, after, score};
            if (drop ? score >= 9998 : c.captured == -950) {
                stopped = true;
                break;
            }
        }
    }

    // The state the plain search leaves: the last candidate's survey on the square maps as they
    // stand then, and the values its last candidate set.
    squareMaps(g, s, int(s.evaluations.size()));
    if (!s.candidates.empty()) {
        const Candidate& c = s.candidates[done - 1];
        const Evaluation& last = s.evaluations.back();
        (void)last;
        if (c.fx != -1) g.Board(c.fx, c.fy) = EMPTY;
        g.Board(c.tx, c.ty) = int16_t(c.kind == kPlain ? c.piece : c.promoted);
        g.勢力調査();
        g.Board(c.tx, c.ty) = c.captured;
        if (c.fx != -1) g.Board(c.fx, c.fy) = c.piece;
    }
    g.MoverKingDistance = lastDistance;
    g.PromotedCode = lastPromoted;
    // The drop phase names every kind in hand as it comes to it, dropped or not.
    if (!stopped && g.UpperHandCountBefore > 0)
        for (int k = 1; k <= 7; ++k)
            if (g.HandUpper(k) > 0) lastPiece = kHandCode[k];
    g.CandidatePiece = lastPiece;
    return true;
}

}  // namespace orizen::search
