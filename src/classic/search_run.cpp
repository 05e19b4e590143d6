// The computer's search with delta surveys on all cores: the same candidates in the same order,
// the same scores, the same early stops, and the same state left behind as the plain search.
//
// A candidate's score depends only on the position before the move and on the candidate, so the
// candidates are scored in chunks on every thread, each on its own copy of the game, and then
// taken in search order on the caller, which reports them, keeps the best and stops where the
// plain search stops (scoring on the spot any candidate a thread did not get to).
//
// The one state that outlives a search and that the candidates' surveys write without clearing is
// the game's memory, the square maps of guards and attackers; every other thread writes a copy of
// its own. Each candidate's survey writes the same squares as the survey of the position before
// the move, except on the squares it looked at afresh; so each evaluation keeps only what it wrote
// there, and the game's maps are put together at the end by going back from the last evaluation:
// a square takes the value of the last survey that wrote it.
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

#include "classic/pool.h"
#include "classic/search.h"

namespace orizen::search {

namespace {

enum Kind : uint8_t { kPlain, kForced, kOptional };

struct Candidate {
    int8_t fx, fy, tx, ty;
    int16_t piece, captured, promoted;
    Kind kind;
    int16_t distance;  // MoverKingDistance while it is evaluated
};

// What the evaluations wrote, one after the other; grows (rarely) by doubling.
struct WrittenList {
    Arena& arena;
    Written* at = nullptr;
    size_t size = 0, capacity = 0;

    explicit WrittenList(Arena& a) : arena(a) {}
    WrittenList(const WrittenList&) = delete;
    WrittenList& operator=(const WrittenList&) = delete;
    ~WrittenList() { arena.give(at); }

    // Room for n more entries at the end.
    Written* room(size_t n) {
        if (size + n > capacity) {
            const size_t grown = std::max(capacity * 2, size + n + (size_t(1) << 16));
            Written* more = static_cast<Written*>(arena.take(grown * sizeof(Written), alignof(Written)));
            std::copy(at, at + size, more);
            arena.give(at);
            at = more;
            capacity = grown;
        }
        return at + size;
    }
};

// One thread's tools: its delta survey and what its evaluations wrote.
struct Worker {
    explicit Worker(Arena& arena) : written(arena) {}  // no zeroing of the large buffers: they are written before they are read
    Delta delta;
    WrittenList written;
};

// A candidate's scores (two for a move with optional promotion) and where its evaluations' writes
// are kept.
struct Result {
    double score[2];
    uint32_t begin[2], end[2];
};

inline constexpr int kChunk = 64;
inline constexpr int kParallelFrom = 512;  // fewer candidates are scored on the caller alone
inline constexpr int kMaxWorkers = 8;  // threads beyond it stay idle: workers and copies hold no more

// Another thread's copy of the game and of its memory, as the search starts.
struct Copy {
    Copy(const Analysis& g, const Memory& m) : game(g), memory(m) {}
    Analysis game;
    Memory memory;
};

// The evaluations the search went through, in its order: whose writes, and where.
struct Done {
    int16_t worker;
    uint32_t begin, end;
};

struct Search {
    explicit Search(Arena& a)  // as Worker
        : arena(&a), done(ArenaAllocator<Done>(&a)), candidates(ArenaAllocator<Candidate>(&a)),
          results(ArenaAllocator<Result>(&a)) {
        base.reach = decltype(base.reach)(ArenaAllocator<Reacher>(&a));
    }
    Arena* arena = nullptr;
    ArenaSlot<Worker>* slots = nullptr;  // the engine's, one a thread
    Analysis* game = nullptr;
    Memory* memory = nullptr;  // the game's
    int threads = 1;
    std::vector<Done, ArenaAllocator<Done>> done;
    TurnBase base;
    std::vector<Candidate, ArenaAllocator<Candidate>> candidates;
    std::vector<Result, ArenaAllocator<Result>> results;
    std::unique_ptr<std::atomic<int8_t>[]> doneBy;  // the thread that scored candidate i, -1 before
    size_t doneCapacity = 0;
    std::atomic<bool> cancel{false};
    Worker* workers[kMaxWorkers];
    // The game and its memory as the search starts, for each other thread, made anew in the same
    // room each search.
    ArenaSlot<Copy> copies[kMaxWorkers];
    DeltaLimits limits;
    std::atomic<int> next{0};  // the first candidate no thread has taken
    std::atomic<int> stopAt{0};  // no chunk starting after it is begun
    Map guardX0, guardY0, attackerX0, attackerY0;  // the maps after the first survey of the turn
    Written base0[kCells];                             // what that survey wrote, in scan order
};

// Thread `index`'s tools, made by that thread the first time it works.
Worker& worker(Arena& arena, ArenaSlot<Worker>* slots, int index) {
    ArenaSlot<Worker>& w = slots[index];
    if (w.get() == nullptr) w.make(arena, arena).written.room(size_t(1) << 16);
    return *w.get();
}

int countKings(const Analysis& g, int code) {
    int n = 0;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) n += g.pos.Board(x, y) == code;
    return n;
}

// Zeroes the four maps no survey clears, so that what the next survey writes shows.
void zeroSquares(Memory& memory) {
    memory.UpperGuardX.fill(0);
    memory.UpperGuardY.fill(0);
    memory.UpperAttackerX.fill(0);
    memory.UpperAttackerY.fill(0);
}

// What a survey run on zeroed square maps wrote, one entry per square in scan order.
void collect(const Memory& memory, Written* out) {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y)
            *out++ = {uint16_t(scan(x, y)), int8_t(memory.UpperGuardX(x, y)), int8_t(memory.UpperGuardY(x, y)),
                      int8_t(memory.UpperAttackerX(x, y)), int8_t(memory.UpperAttackerY(x, y))};
}

// Surveys candidate c, now on the board with `placed` on its destination, and scores it; its writes
// go to the worker's list.
double evaluate(Analysis& g, Memory& memory, const TurnBase& base, Worker& w, const Candidate& c, int placed,
                uint32_t& begin, uint32_t& end) {
    const int captured = c.captured, fx = c.fx, fy = c.fy, tx = c.tx, ty = c.ty;
    const int xs[2] = {tx, fx}, ys[2] = {ty, fy};
    const int n = fx == -1 ? 1 : 2;
    begin = uint32_t(w.written.size);
    Written* out = w.written.room(kCells);  // one entry a cell at most, either way of surveying
    int nWritten = 0;
    bool delta = w.delta.apply(g, memory, base, n, xs, ys, out, nWritten);
    // A candidate that checks is surveyed in full: the mate test reads the check maps.
    if (delta && captured != -950 && g.maps.LowerInfluence(g.pos.UpperKingX, g.pos.UpperKingY) == 0 &&
        g.maps.UpperInfluence(g.pos.LowerKingX, g.pos.LowerKingY) > 0) {
        w.delta.undo(g);
        delta = false;
    }
    double score;
    if (delta) {
        w.written.size += size_t(nWritten);
        const Quick quick{&base, &w.delta};
        score = g.盤評価(memory, captured, placed, fx, fy, tx, ty, &quick);
        w.delta.undo(g);
    } else {
        zeroSquares(memory);
        g.勢力調査(memory);
        collect(memory, out);
        w.written.size += kCells;
        const Quick quick{&base, nullptr};
        score = g.盤評価(memory, captured, placed, fx, fy, tx, ty, &quick);
        base.restore(g);
    }
    end = uint32_t(w.written.size);
    return score;
}

// Makes the candidate on g's board, scores it (both ways when it may promote) and takes it back.
void score(Analysis& g, Memory& memory, const TurnBase& base, Worker& w, const Candidate& c, Result& r) {
    const bool drop = c.fx == -1;
    g.work.CandidatePiece = c.piece;
    g.work.MoverKingDistance = c.distance;
    if (!drop) g.pos.Board(c.fx, c.fy) = EMPTY;
    const int after = c.kind == kForced ? c.promoted : c.piece;
    g.pos.Board(c.tx, c.ty) = int16_t(after);
    r.score[0] = evaluate(g, memory, base, w, c, after, r.begin[0], r.end[0]);
    if (c.kind == kOptional) {
        g.pos.Board(c.tx, c.ty) = c.promoted;
        r.score[1] = evaluate(g, memory, base, w, c, c.promoted, r.begin[1], r.end[1]);
    }
    g.pos.Board(c.tx, c.ty) = c.captured;
    if (!drop) g.pos.Board(c.fx, c.fy) = c.piece;
}

// Whether the plain search could stop at this candidate (it does when the score also improves).
bool mayStop(const Candidate& c, const Result& r) {
    return c.fx == -1 ? r.score[0] >= 9998 : c.captured == -950;
}

// One thread's share: chunks of candidates, on the caller's game and memory or its own copies.
void work(void* context, int index) {
    Search& s = *static_cast<Search*>(context);
    Worker& w = worker(*s.arena, s.slots, index);
    s.workers[index] = &w;
    if (index > 0) w.written.size = 0;
    w.delta.limit(s.limits.log, s.limits.changes);
    Analysis& g = index == 0 ? *s.game : s.copies[index]->game;
    Memory& memory = index == 0 ? *s.memory : s.copies[index]->memory;
    const int n = int(s.candidates.size());
    for (;;) {
        // Chunks shrink towards the end, so that no thread is left long with the last one.
        int first = s.next.load(), size;
        do {
            if (first >= n || first > s.stopAt.load()) return;
            size = std::clamp((n - first) / (4 * s.threads), 4, kChunk);
        } while (!s.next.compare_exchange_weak(first, first + size));
        for (int i = first; i < std::min(n, first + size); ++i) {
            if (s.cancel.load(std::memory_order_relaxed)) return;
            Result& r = s.results[i];
            score(g, memory, s.base, w, s.candidates[i], r);
            s.doneBy[i].store(int8_t(index), std::memory_order_release);
            if (mayStop(s.candidates[i], r)) {
                int seen = s.stopAt.load();
                while (i < seen && !s.stopAt.compare_exchange_weak(seen, i)) {
                }
                break;
            }
        }
    }
}

// Puts together the four square maps of the memory as the plain search leaves them after the
// evaluations listed (in search order).
void squareMaps(Memory& memory, const Search& s) {
    memory.UpperGuardX = s.guardX0;
    memory.UpperGuardY = s.guardY0;
    memory.UpperAttackerX = s.attackerX0;
    memory.UpperAttackerY = s.attackerY0;
    const auto& done = s.done;
    // A square is settled by the last evaluation that wrote it. An evaluation that did not look at
    // a square afresh wrote what the first survey wrote there.
    uint8_t guardDone[kScanSquares] = {}, attackerDone[kScanSquares] = {};
    int stamp[kScanSquares];
    std::fill(stamp, stamp + kScanSquares, -1);
    uint16_t pending[2][kCells];  // what the first survey wrote (its entries), not settled yet
    int nPending[2] = {0, 0};
    for (int i = 0; i < kCells; ++i) {
        if (s.base0[i].gx != 0) pending[0][nPending[0]++] = uint16_t(i);
        if (s.base0[i].ax != 0) pending[1][nPending[1]++] = uint16_t(i);
    }
    auto settle = [&](const Written& w, bool guard) {
        const int x = scanX(w.cell), y = scanY(w.cell);
        if (guard) {
            memory.UpperGuardX(x, y) = w.gx, memory.UpperGuardY(x, y) = w.gy;
            guardDone[w.cell] = 1;
        } else {
            memory.UpperAttackerX(x, y) = w.ax, memory.UpperAttackerY(x, y) = w.ay;
            attackerDone[w.cell] = 1;
        }
    };
    for (int e = int(done.size()) - 1; e >= 0; --e) {
        const Written* list = s.workers[done[e].worker]->written.at;
        for (uint32_t k = done[e].begin; k < done[e].end; ++k) {
            const Written& w = list[k];
            stamp[w.cell] = e;
            if (w.gx != 0 && !guardDone[w.cell]) settle(w, true);
            if (w.ax != 0 && !attackerDone[w.cell]) settle(w, false);
        }
        for (int m = 0; m < 2; ++m) {
            int kept = 0;
            for (int k = 0; k < nPending[m]; ++k) {
                const Written& first = s.base0[pending[m][k]];
                if (m == 0 ? guardDone[first.cell] : attackerDone[first.cell]) continue;
                if (stamp[first.cell] != e)
                    settle(first, m == 0);
                else
                    pending[m][kept++] = pending[m][k];
            }
            nPending[m] = kept;
        }
    }
}

}  // namespace

struct Engine::State {
    Arena arena;
    ArenaSlot<Worker> workers[kMaxWorkers];
    ArenaSlot<Search> search;
    std::mutex one;  // one search at a time
};

Engine::Engine(int threads, bool plain) : state_(std::make_unique<State>()), pool_(threads), plain_(plain) {}

Engine::~Engine() = default;

void Engine::prepare() {
    programPrefault();
    state_->arena.prefault();
    // Each of the pool's threads makes its tools; the caller's are made on its first search.
    pool_.run(
        [](void* state, int index) {
            State& st = *static_cast<State*>(state);
            if (index > 0 && index < kMaxWorkers) worker(st.arena, st.workers, index);
        },
        state_.get());
}

bool Engine::search(Analysis& g, Memory& memory, CandidateSink sink, void* context, Choice& best) {
    if (plain_ || countKings(g, 950) != 1 || countKings(g, -950) != 1) return false;
    State& st = *state_;
    std::lock_guard<std::mutex> lock(st.one);
    if (st.search.get() == nullptr) {
        Search& made = st.search.make(st.arena, st.arena);
        made.slots = st.workers;
        made.candidates.reserve(8192);
        made.results.reserve(8192);
        made.done.reserve(16384);
    }
    Search& s = *st.search;
    s.limits = limits;
    s.game = &g;
    s.memory = &memory;
    best = Choice{};
    g.work.BestScore = -99999;
    g.work.BoardBefore = g.pos.Board;

    g.調査_2歩フラグ設定();
    g.work.LowerKingEscapes = g.調査_自王逃道();
    // The first survey, on zeroed square maps to see what it writes; then the maps as it leaves them.
    s.guardX0 = memory.UpperGuardX, s.guardY0 = memory.UpperGuardY;
    s.attackerX0 = memory.UpperAttackerX, s.attackerY0 = memory.UpperAttackerY;
    zeroSquares(memory);
    g.勢力調査(memory);
    collect(memory, s.base0);
    for (const Written& w : s.base0) {
        const int x = scanX(w.cell), y = scanY(w.cell);
        if (w.gx != 0) s.guardX0(x, y) = w.gx, s.guardY0(x, y) = w.gy;
        if (w.ax != 0) s.attackerX0(x, y) = w.ax, s.attackerY0(x, y) = w.ay;
    }
    memory.UpperGuardX = s.guardX0, memory.UpperGuardY = s.guardY0;
    memory.UpperAttackerX = s.attackerX0, memory.UpperAttackerY = s.attackerY0;
    g.調査_持角狙座標();
    g.調査_移動不可駒();

    g.work.UpperHandCountBefore = g.pos.UpperHandCount;
    g.work.LowerInfluenceBefore = g.maps.LowerInfluence;
    g.work.UpperInfluenceBefore = g.maps.UpperInfluence;
    g.work.UpperAttackerXBefore = memory.UpperAttackerX;
    g.work.UpperAttackerYBefore = memory.UpperAttackerY;
    s.base.take(g);

    // The candidates in search order.
    s.candidates.clear();
    int distance = g.work.MoverKingDistance;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int piece = g.pos.Board(x, y);
            if (piece < 30) continue;
            int x1, x2, y1, y2;
            Analysis::取得_駒移動座標(piece, x, y, x1, x2, y1, y2);
            for (int tx = x1; tx <= x2; ++tx)
                for (int ty = y1; ty <= y2; ++ty) {
                    if (g.移動チェック(x, y, tx, ty, piece) != YES) continue;
                    distance = std::max(std::abs(x - g.pos.LowerKingX), std::abs(y - g.pos.LowerKingY));
                    Candidate c{int8_t(x),           int8_t(y), int8_t(tx), int8_t(ty),       int16_t(piece),
                                g.pos.Board(tx, ty), 0,         kPlain,     int16_t(distance)};
                    const int saved = g.work.PromotedCode;
                    if (g.調査_駒成(x, y, tx, ty, piece) == YES) {
                        c.promoted = int16_t(g.work.PromotedCode);
                        c.kind = Analysis::移動後チェック(ty, piece) == NO ? kForced : kOptional;
                    }
                    g.work.PromotedCode = saved;
                    s.candidates.push_back(c);
                }
        }
    if (g.work.UpperHandCountBefore > 0)
        for (int k = 1; k <= 7; ++k) {
            if (g.pos.HandUpper(k) <= 0) continue;
            const int piece = kHandCode[k];
            for (int tx = 1; tx <= 27; ++tx)
                for (int ty = 1; ty <= 27; ++ty)
                    if (g.移動チェック(-1, k, tx, ty, piece) == YES)
                        s.candidates.push_back(Candidate{-1, int8_t(k), int8_t(tx), int8_t(ty), int16_t(piece), EMPTY,
                                                         0, kPlain, int16_t(distance)});
        }
    const int n = int(s.candidates.size());

    // Score them on every thread; small searches are not worth waking the others for.
    const int saved[3] = {g.work.CandidatePiece, g.work.PromotedCode, g.work.MoverKingDistance};
    s.results.resize(size_t(n));
    if (s.doneCapacity < size_t(n)) {
        s.doneCapacity = size_t(n) * 2;
        s.doneBy.reset(new std::atomic<int8_t>[s.doneCapacity]);
    }
    for (int i = 0; i < n; ++i) s.doneBy[i].store(-1, std::memory_order_relaxed);
    Pool& pool = pool_;
    const int threads = n >= kParallelFrom ? std::min(pool.size(), kMaxWorkers) : 1;
    s.threads = threads;
    s.next = 0;
    s.stopAt = n;
    s.cancel = false;
    Worker& self = worker(st.arena, st.workers, 0);
    self.written.size = 0;
    s.workers[0] = &self;
    // Should the sink or an allocation throw, the others are stopped before the search is left.
    Pool::Guard others(pool, [](void* search) { static_cast<Search*>(search)->cancel = true; }, &s);
    if (threads > 1) {
        // Every other thread scores on its own copy of the game and of its memory.
        for (int w = 1; w < threads; ++w) {
            s.copies[w].make(st.arena, g, memory);
        }
        pool.start(
            [](void* search, int index) {
                if (index < static_cast<Search*>(search)->threads) work(search, index);
            },
            &s);
        others.arm();
    }
    work(&s, 0);

    // In search order on this thread: report, keep the best, stop where the plain search stops. A
    // candidate another thread has not finished yet is scored here as well, rather than waited for.
    s.done.clear();
    int last = -1;
    bool stopped = false;
    {
        Result mine;  // a candidate scored here rather than waited for
        for (int i = 0; i < n && !stopped; ++i) {
            const Candidate& c = s.candidates[i];
            int by = s.doneBy[i].load(std::memory_order_acquire);
            const Result* r = &s.results[i];
            if (by < 0) {
                score(g, memory, s.base, self, c, mine);
                r = &mine;
                by = 0;
            }
            last = i;
            int after = c.kind == kForced ? c.promoted : c.piece;
            double value = r->score[0];
            if (sink != nullptr) sink(context, {{c.fx, c.fy, c.tx, c.ty, c.piece, after}, value});
            s.done.push_back({int16_t(by), r->begin[0], r->end[0]});
            if (c.kind == kOptional) {
                if (sink != nullptr) sink(context, {{c.fx, c.fy, c.tx, c.ty, c.piece, c.promoted}, r->score[1]});
                s.done.push_back({int16_t(by), r->begin[1], r->end[1]});
                if (r->score[1] > value) value = r->score[1], after = c.promoted;
            }
            if (value > g.work.BestScore) {
                g.work.BestScore = value;
                best = Choice{true, {c.fx, c.fy, c.tx, c.ty, c.piece, after}, value};
                stopped = c.fx == -1 ? value >= 9998 : c.captured == -950;
            }
        }
    }
    if (threads > 1) {
        // The others stop at their next candidate; their writes are read below.
        s.cancel = true;
        others.wait();
    }

    // The state the plain search leaves: the last candidate's survey on the square maps as they
    // stand then, and what the candidates set on the way.
    squareMaps(memory, s);
    g.work.CandidatePiece = saved[0];
    g.work.PromotedCode = saved[1];
    g.work.MoverKingDistance = saved[2];
    if (last >= 0) {
        const Candidate& c = s.candidates[last];
        if (c.fx != -1) g.pos.Board(c.fx, c.fy) = EMPTY;
        g.pos.Board(c.tx, c.ty) = int16_t(c.kind == kPlain ? c.piece : c.promoted);
        g.勢力調査(memory);
        g.pos.Board(c.tx, c.ty) = c.captured;
        if (c.fx != -1) g.pos.Board(c.fx, c.fy) = c.piece;
        for (int i = 0; i <= last; ++i) {
            const Candidate& k = s.candidates[i];
            g.work.CandidatePiece = k.piece;
            if (k.fx == -1) continue;
            g.work.MoverKingDistance = k.distance;
            if (k.kind != kPlain) g.work.PromotedCode = k.promoted;
        }
    }
    // The drop phase names every kind in hand as it comes to it, dropped or not.
    if (!stopped && g.work.UpperHandCountBefore > 0)
        for (int k = 1; k <= 7; ++k)
            if (g.pos.HandUpper(k) > 0) g.work.CandidatePiece = kHandCode[k];
    return true;
}

}  // namespace orizen::search
