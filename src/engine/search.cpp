// Iterative deepening principal-variation search with null-move pruning, late-move reductions and
// a quiescence search; a lock-free transposition table shared by the searcher's threads (each
// thread searches the same root and they help each other through the table).
#include "engine/search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/mate.h"
#include "rules/threads.h"

namespace orizen::engine {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kInf = 32000;
constexpr int kQuiescePlies = 12;  // captures followed beyond the search's depth
constexpr int kWindow = 40;        // the aspiration window's half width at first
constexpr int kRepeatPenalty = 30;  // a repeated position, for the side the search is for
enum Bound : uint8_t { kUpper = 1, kLower = 2, kExact = 3 };

// ---- Transposition table: key ^ data beside data, so a torn entry fails the check. ------------
struct Entry {
    std::atomic<uint64_t> check{0}, data{0};
};
constexpr int kTableBits = 21;
constexpr uint64_t kTableMask = (uint64_t(1) << kTableBits) - 1;

uint64_t pack(Move m, int score, int depth, int bound) {
    return uint64_t(m) | uint64_t(uint16_t(int16_t(score))) << 24 | uint64_t(uint8_t(depth)) << 40 |
           uint64_t(bound) << 48;
}
struct Probe {
    Move move;
    int score, depth, bound;
};
bool probe(const Entry* table, uint64_t key, Probe& out) {
    const Entry& e = table[key & kTableMask];
    const uint64_t d = e.data.load(std::memory_order_relaxed);
    if ((e.check.load(std::memory_order_relaxed) ^ d) != key) return false;
    out = Probe{Move(d & 0xFFFFFF), int16_t(d >> 24 & 0xFFFF), int(d >> 40 & 0xFF), int(d >> 48 & 3)};
    return true;
}
void store(Entry* table, uint64_t key, Move m, int score, int depth, int bound) {
    Entry& e = table[key & kTableMask];
    const uint64_t d = pack(m, score, depth, bound);
    e.check.store(key ^ d, std::memory_order_relaxed);
    e.data.store(d, std::memory_order_relaxed);
}
int toTable(int score, int ply) { return score > kMateBound ? score + ply : score < -kMateBound ? score - ply : score; }
int fromTable(int score, int ply) { return score > kMateBound ? score - ply : score < -kMateBound ? score + ply : score; }

// ---- What all threads of one search share. ---------------------------------------------------
struct Shared {
    std::atomic<bool> stop{false};
    const std::atomic<bool>* external = nullptr;
    Clock::time_point start, deadline;
    int rootSide = 0;
    bool hadKing[2] = {};
    uint64_t seenBits[1024] = {};  // a filter over the game's earlier keys
    const uint64_t* seen = nullptr;
    int seenCount = 0;
    std::atomic<uint64_t> nodes{0};

    bool wasSeen(uint64_t key) const {
        const unsigned b = unsigned(key >> 48) & 0xFFFF;
        if (!(seenBits[b >> 6] >> (b & 63) & 1)) return false;
        for (int i = 0; i < seenCount; ++i)
            if (seen[i] == key) return true;
        return false;
    }
};

// Late-move reductions by depth and move number.
struct Reductions {
    int r[64][64] = {};
    Reductions() {
        for (int d = 1; d < 64; ++d)
            for (int i = 1; i < 64; ++i) r[d][i] = int(0.6 + std::log(double(d)) * std::log(double(i)) / 2.1);
    }
};

struct Worker {
    Position p;
    Shared* sh = nullptr;
    Entry* table = nullptr;
    const Reductions* lmr = nullptr;
    uint64_t nodes = 0;
    Move scratch[kMaxMoves];
    uint64_t list[kMaxPly + 8][kMaxMoves];  // score << 32 | move
    Move killers[kMaxPly + 8][2];
    int history[2][kTypes][kSquares];
    uint64_t path[kMaxPly + 8];
    Move pv[kMaxPly + 8][kMaxPly + 8];
    int pvLength[kMaxPly + 8];
    int rootDepth = 0;

    bool stopped() {
        if ((++nodes & 2047) == 0) {
            sh->nodes.fetch_add(2048, std::memory_order_relaxed);
            if (Clock::now() >= sh->deadline || (sh->external != nullptr && sh->external->load()))
                sh->stop.store(true);
        }
        return sh->stop.load(std::memory_order_relaxed);
    }

    int typeMoved(Move m) const {
        if (isDrop(m)) return kKindType[moveFrom(m)];
        const int c = p.cell[moveFrom(m)];
        return c < 0 ? -c : c;
    }
    int capturedValue(Move m) const {
        if (isDrop(m)) return 0;
        const int c = p.cell[moveTo(m)];
        return kValue[c < 0 ? -c : c];
    }

    // Scores and orders: the table's move, captures by victim then attacker, killers, history.
    // scratch[0, n) scored into list[ply][at, at + n); returns at + n.
    int order(int ply, int n, Move ttMove, int at = 0) {
        uint64_t* l = list[ply] + at;
        for (int i = 0; i < n; ++i) {
            const Move m = scratch[i];
            int s;
            if (m == ttMove) {
                s = 1 << 30;
            } else if (const int cv = capturedValue(m); cv > 0) {
                s = (1 << 28) + cv * 16 - kValue[typeMoved(m)] / 8;
            } else if (m == killers[ply][0] || m == killers[ply][1]) {
                s = (1 << 27) + (m == killers[ply][0]);
            } else {
                s = history[p.side][typeMoved(m)][moveTo(m)] + (isPromotion(m) ? 4000 : 0) - (isDrop(m) ? 2000 : 0);
            }
            l[i] = uint64_t(int64_t(s) + (int64_t(1) << 30)) << 32 | m;  // s from -2^30 up to 2^30
        }
        reorder(ply, at, at + n);
        return at + n;
    }
    // list[ply][at, n) changed behind the moves pick has put in order: the rest of their block too.
    void reorder(int ply, int at, int n) {
        if (at <= 16) return;
        int end = 16;
        while (end <= at) end *= 4;
        settle(list[ply], at, end, n);
    }
    // l[from, to) in order, holding the best of l[from, n).
    static void settle(uint64_t* l, int from, int to, int n) {
        std::partial_sort(l + from, l + std::min(to, n), l + n, [](uint64_t a, uint64_t b) { return a > b; });
    }
    // The i-th best of list[ply]: picked one by one for the first 16, then in ordered blocks of 48,
    // 192, 768, ... (most nodes cut off long before the last move).
    Move pick(int ply, int i, int n) {
        uint64_t* l = list[ply];
        if (i < 16) {
            int best = i;
            for (int j = i + 1; j < n; ++j)
                if (l[j] > l[best]) best = j;
            std::swap(l[i], l[best]);
        } else if ((i & (i - 1)) == 0 && (__builtin_ctz(unsigned(i)) & 1) == 0) {  // 16, 64, 256, ...
            settle(l, i, 4 * i, n);
        }
        return Move(l[i] & 0xFFFFFFFF);
    }

    // After m: is the mover's king left attacked? Only a king's move, an answer to a check or a
    // piece leaving the king's lines can do that.
    bool leftAttacked(Move m, bool wasInCheck) const {
        const int mover = other(p.side), k = p.king[mover];
        if (k == 0) return false;
        if (!wasInCheck && k != moveTo(m) && (isDrop(m) || !aligned(moveFrom(m), k))) return false;
        return p.attacked(k, p.side);
    }
    static bool near(int a, int b) { return std::abs(sqX(a) - sqX(b)) <= 2 && std::abs(sqY(a) - sqY(b)) <= 2; }
    // After m: is the other king attacked? Only from near it, along its lines, or by a piece
    // uncovered on its lines.
    bool checks(Move m) const {
        const int k = p.king[p.side];
        return k != 0 && couldCheck(m, k) && p.attacked(k, other(p.side));
    }

    // The side to move had a king at the root and has lost it: the game is lost.
    bool kingTaken() const { return p.king[p.side] == 0 && sh->hadKing[p.side]; }

    // A position the searching side has just moved into that the game or this line has had
    // before. What the other side repeats is its own affair.
    bool repeated(int ply) const {
        if (p.side == sh->rootSide) return false;
        const uint64_t k = p.key;
        for (int i = ply - 2; i >= 0; i -= 2)
            if (path[i] == k) return true;
        return sh->wasSeen(k);
    }
    // The game goes on after a repetition: the position is worth what it was, a little less for
    // the side that brought it back. From the side to move's view.
    int repetitionScore() const { return evaluate(p, sh->rootSide) + kRepeatPenalty; }

    // A quiet move other than a killer that cannot check: passed over late near the leaves.
    bool passedOver(int ply, Move m) const {
        if (capturedValue(m) != 0 || isPromotion(m) || m == killers[ply][0] || m == killers[ply][1]) return false;
        const int k = p.king[other(p.side)];
        return k == 0 || !couldCheck(m, k) || (isDrop(m) && !near(moveTo(m), k));
    }

    // Captures, or with quietsToo every move worth a look; in check the answers to it (in the
    // quiescence search, !quietsToo, a block by the cheapest piece in hand only).
    int generate(bool inCheck, bool quietsToo) {
        MoveList l{scratch};
        if (inCheck) {
            generateEvasions(p, l, !quietsToo);
            return l.n;
        }
        generateCaptures(p, l);
        if (quietsToo) generateQuiets(p, l, true);
        return l.n;
    }

    // Whether the side to move, in check, has a move that leaves its king safe.
    bool canAnswer() {
        MoveList l{scratch};
        generateEvasions(p, l, true);
        for (int i = 0; i < l.n; ++i) {
            Undo u;
            p.make(l.m[i], u);
            const bool safe = !leftAttacked(l.m[i], true);
            p.unmake(l.m[i], u);
            if (safe) return true;
        }
        return false;
    }

    int quiesce(int alpha, int beta, int ply) {
        if (stopped()) return 0;
        pvLength[ply] = ply;
        if (kingTaken()) return -kMate + ply;
        const bool inCheck = p.inCheck();
        int best = -kInf;
        if (!inCheck) {
            best = evaluate(p, sh->rootSide);
            if (best >= beta || ply >= kMaxPly || ply >= rootDepth + kQuiescePlies) return best;
            if (best > alpha) alpha = best;
        } else if (ply >= kMaxPly || ply >= rootDepth + 2) {
            // Far from the root a check is only asked whether it mates.
            return canAnswer() ? evaluate(p, sh->rootSide) : -kMate + ply;
        }
        const int n = order(ply, generate(inCheck, false), kNoMove);
        int legal = 0;
        for (int i = 0; i < n; ++i) {
            const Move m = pick(ply, i, n);
            if (!inCheck) {
                const int gain = capturedValue(m);
                if (best + gain + 200 <= alpha && !isPromotion(m)) continue;
                // A capture by a piece worth more than its victim, on a square the other side holds.
                if (gain < kValue[typeMoved(m)] && p.attacked(moveTo(m), other(p.side))) continue;
            }
            Undo u;
            p.make(m, u);
            if (leftAttacked(m, inCheck)) {
                p.unmake(m, u);
                continue;
            }
            ++legal;
            const int s = -quiesce(-beta, -alpha, ply + 1);
            p.unmake(m, u);
            if (sh->stop.load(std::memory_order_relaxed)) return 0;
            if (s > best) {
                best = s;
                if (s > alpha) {
                    alpha = s;
                    if (s >= beta) break;
                }
            }
        }
        if (inCheck && legal == 0) return -kMate + ply;
        return best;
    }

    int search(int alpha, int beta, int depth, int ply, bool allowNull) {
        const bool pvNode = beta - alpha > 1;
        pvLength[ply] = ply;
        if (ply > 0) {
            if (kingTaken()) return -kMate + ply;
            if (repeated(ply)) return repetitionScore();
            // Mate distance: nothing here beats a mate already found nearer the root.
            alpha = std::max(alpha, -kMate + ply);
            beta = std::min(beta, kMate - ply - 1);
            if (alpha >= beta) return alpha;
        }
        if (depth <= 0 || ply >= kMaxPly) return quiesce(alpha, beta, ply);
        if (stopped()) return 0;
        path[ply] = p.key;

        Probe t{};
        const bool hit = probe(table, p.key, t);
        const Move ttMove = hit ? t.move : kNoMove;
        if (hit && !pvNode && t.depth >= depth) {
            const int s = fromTable(t.score, ply);
            if ((t.bound == kExact) || (t.bound == kLower && s >= beta) || (t.bound == kUpper && s <= alpha)) return s;
        }

        const bool inCheck = p.inCheck();
        const int staticEval = inCheck ? -kInf : evaluate(p, sh->rootSide);

        // Null move: if passing still holds beta, a real move will.
        if (!pvNode && !inCheck && allowNull && depth >= 3 && staticEval >= beta && std::abs(beta) < kMateBound) {
            p.makeNull();
            path[ply + 1] = p.key;
            const int r = 2 + depth / 4;
            const int s = -search(-beta, -beta + 1, depth - 1 - r, ply + 1, false);
            p.unmakeNull();
            if (sh->stop.load(std::memory_order_relaxed)) return 0;
            if (s >= beta) return s >= kMateBound ? beta : s;
        }

        // Captures first, and the quiet moves only when none of them cuts off (they rank below every
        // capture, so the order is the same as with all moves at once); all at once after a quiet
        // table move, or in check.
        const bool staged = !inCheck && (ttMove == kNoMove || capturedValue(ttMove) > 0);
        int n = order(ply, generate(inCheck, !staged), ttMove);
        bool quietsLeft = staged;
        int best = -kInf, legal = 0, searched = 0;
        Move bestMove = kNoMove;
        const int alphaIn = alpha;
        for (int i = 0; i < n || quietsLeft; ++i) {
            if (i == n) {
                MoveList l{scratch};
                generateQuiets(p, l, true);
                n = order(ply, l.n, ttMove, n);
                quietsLeft = false;
                if (i == n) break;
            }
            const Move m = pick(ply, i, n);
            const bool quiet = capturedValue(m) == 0 && !isPromotion(m);
            // Late quiet moves near the leaves are not looked at; once one is passed over, so is
            // every later one that cannot check, and they leave the list unmade.
            const bool pruning = !pvNode && !inCheck && best > -kMateBound &&
                                 ((depth <= 3 && searched >= 6 + 6 * depth * depth) ||
                                  (depth <= 2 && staticEval + 150 * depth <= alpha));
            if (pruning && passedOver(ply, m)) {
                uint64_t* l = list[ply];
                auto late = [&](uint64_t e) { return passedOver(ply, Move(e & 0xFFFFFFFF)); };
                n = int(std::remove_if(l + i + 1, l + n, late) - l);
                reorder(ply, i + 1, n);
                continue;
            }
            Undo u;
            p.make(m, u);
            const int mover = other(p.side);
            if (leftAttacked(m, inCheck)) {
                p.unmake(m, u);
                continue;
            }
            ++legal;
            // A check from a drop far from the king is one of many: searched as a quiet move.
            const bool givesCheck = checks(m) && (!isDrop(m) || near(moveTo(m), p.king[p.side]));
            if (pruning && !givesCheck && quiet && m != killers[ply][0] && m != killers[ply][1]) {
                p.unmake(m, u);
                continue;
            }
            // A check is looked at one ply deeper when the checker cannot simply be taken.
            const int ext = givesCheck && ply < rootDepth && rootDepth >= 2 &&
                                    (!p.attacked(moveTo(m), p.side) || p.attacked(moveTo(m), mover))
                                ? 1
                                : 0;
            const int d = depth - 1 + ext;
            int s;
            if (searched == 0) {
                s = -search(-beta, -alpha, d, ply + 1, true);
            } else {
                int r = 0;
                if (depth >= 3 && quiet && !givesCheck && !inCheck)
                    r = std::max(0, lmr->r[std::min(depth, 63)][std::min(searched, 63)] - (pvNode ? 1 : 0));
                s = -search(-alpha - 1, -alpha, d - r, ply + 1, true);
                if (s > alpha && r > 0) s = -search(-alpha - 1, -alpha, d, ply + 1, true);
                if (s > alpha && s < beta) s = -search(-beta, -alpha, d, ply + 1, true);
            }
            p.unmake(m, u);
            ++searched;
            if (sh->stop.load(std::memory_order_relaxed)) return 0;
            if (s > best) {
                best = s;
                bestMove = m;
                if (s > alpha) {
                    alpha = s;
                    pv[ply][ply] = m;
                    for (int j = ply + 1; j < pvLength[ply + 1]; ++j) pv[ply][j] = pv[ply + 1][j];
                    pvLength[ply] = std::max(pvLength[ply + 1], ply + 1);
                    if (s >= beta) {
                        if (quiet) {
                            if (killers[ply][0] != m) killers[ply][1] = killers[ply][0], killers[ply][0] = m;
                            int& h = history[p.side][typeMoved(m)][moveTo(m)];
                            h = std::min(h + depth * depth, 1 << 20);
                        }
                        break;
                    }
                }
            }
        }
        if (legal == 0) {
            // Not in check, a drop would do; in check, mated.
            if (!inCheck) return staticEval;
            return -kMate + ply;
        }
        store(table, p.key, bestMove, toTable(best, ply), depth, best >= beta ? kLower : best > alphaIn ? kExact : kUpper);
        return best;
    }
};

double since(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

// Iterative deepening on worker w; the main worker (w = 0) fills the report.
void deepen(Worker& w, int firstDepth, const Limits& limits, Report* report) {
    Shared& sh = *w.sh;
    for (auto& k : w.killers) k[0] = k[1] = kNoMove;
    int last = 0;
    for (int depth = firstDepth; depth <= limits.maxDepth; ++depth) {
        w.rootDepth = depth;
        // A window round the last depth's score, widened on the side it fails.
        int delta = kWindow, alpha = -kInf, beta = kInf;
        if (depth >= 4 && std::abs(last) < kMateBound) alpha = last - delta, beta = last + delta;
        int s;
        for (;;) {
            s = w.search(alpha, beta, depth, 0, false);
            if (sh.stop.load()) break;
            delta = std::min(3 * delta, kInf);
            if (s <= alpha && alpha > -kInf) alpha = std::max(s - delta, -kInf);
            else if (s >= beta && beta < kInf) beta = std::min(s + delta, kInf);
            else break;
        }
        if (sh.stop.load()) break;
        last = s;
        if (report != nullptr && w.pvLength[0] > 0) {
            report->move = w.pv[0][0];
            report->score = s;
            report->depth = depth;
            report->depthSeconds[depth] = since(sh.start);
            report->pvLength = std::min(w.pvLength[0], 16);
            for (int i = 0; i < report->pvLength; ++i) report->pv[i] = w.pv[0][i];
            if (limits.onDepth != nullptr) {
                report->nodes = sh.nodes.load(std::memory_order_relaxed) + (w.nodes & 2047);
                report->seconds = since(sh.start);
                limits.onDepth(limits.context, *report);
            }
            // A mate found is played; past most of the time the next depth would not finish.
            if (std::abs(s) > kMateBound || since(sh.start) > 0.6 * limits.movetimeMs / 1000.0) break;
        }
    }
    if (report != nullptr) {
        // Stopped inside a depth: the best of the root moves it finished, the last best among them.
        if (sh.stop.load() && w.pvLength[0] > 0) report->move = w.pv[0][0];
        sh.stop.store(true);
    }
}

}  // namespace

struct Searcher::State {
    std::mutex one;  // one search at a time
    std::unique_ptr<Entry[]> table;
    std::unique_ptr<Worker> workers[2];
    Reductions lmr;
    Move root[kMaxMoves];
    std::unique_ptr<MateFinder> mate;
};

Searcher::Searcher() : state_(std::make_unique<State>()) {}
Searcher::~Searcher() = default;

void Searcher::clear() {
    std::lock_guard<std::mutex> lock(state_->one);
    if (!state_->table) return;
    for (uint64_t i = 0; i <= kTableMask; ++i) state_->table[i].check = 0, state_->table[i].data = 0;
}

Report Searcher::think(const Position& root, const uint64_t* seen, int seenCount, const Limits& limits) {
    State& st = *state_;
    std::lock_guard<std::mutex> lock(st.one);
    if (!st.table) st.table = std::make_unique<Entry[]>(kTableMask + 1);
    Report r;
    Shared sh;
    sh.start = Clock::now();
    sh.deadline = sh.start + std::chrono::milliseconds(std::max(1, limits.movetimeMs));
    sh.external = &stop_;
    sh.rootSide = root.side;
    sh.hadKing[UPPER] = root.king[UPPER] != 0, sh.hadKing[LOWER] = root.king[LOWER] != 0;
    sh.seen = seen, sh.seenCount = seenCount;
    for (int i = 0; i < seenCount; ++i) {
        const unsigned b = unsigned(seen[i] >> 48) & 0xFFFF;
        sh.seenBits[b >> 6] |= uint64_t(1) << (b & 63);
    }

    // The rules' moves that keep the king safe; a king that can be taken is taken at once.
    Position p = root;
    MoveList l{st.root};
    generateAll(p, l);
    Move first = kNoMove, only = kNoMove;
    int legal = 0;
    const int enemyKing = p.king[other(p.side)];
    for (int i = 0; i < l.n; ++i) {
        const Move m = l.m[i];
        if (!isDrop(m) && moveTo(m) == enemyKing && enemyKing != 0) {
            r.move = m, r.score = kMate - 1, r.forced = true;
            return r;
        }
        if (first == kNoMove) first = m;
        Undo u;
        p.make(m, u);
        const int k = p.king[root.side];
        if (k == 0 || !p.attacked(k, p.side)) ++legal, only = m;
        p.unmake(m, u);
    }
    if (legal <= 1) {
        // One move (played at once), or every move loses the king (the first is as good as any).
        r.move = legal == 1 ? only : first;
        r.forced = r.move != kNoMove;
        r.score = legal == 1 ? 0 : -kMate;
        return r;
    }

    const int threads = kThreads ? std::clamp(limits.threads, 1, 2) : 1;
    for (int i = 0; i < threads; ++i) {
        if (!st.workers[i]) st.workers[i] = std::make_unique<Worker>();
        Worker& w = *st.workers[i];
        w.p = root;
        w.sh = &sh;
        w.table = st.table.get();
        w.lmr = &st.lmr;
        w.nodes = 0;
        for (auto& bySide : w.history)
            for (auto& byType : bySide)
                for (int& h : byType) h /= 8;
    }
    std::thread helper;
    if (threads > 1) helper = std::thread([&] { deepen(*st.workers[1], 2, limits, nullptr); });
    deepen(*st.workers[0], 1, limits, &r);
    sh.stop.store(true);
    if (helper.joinable()) helper.join();

    if (r.move == kNoMove) r.move = only;  // stopped before depth 1 finished

    // The time the last depth left (it stops when the next would not finish) goes to a search of
    // checks alone, which sees mates further than the full search.
    uint64_t mateNodes = 0;
    if (limits.mateNodes > 0 && r.score <= kMateBound && !stop_.load() && Clock::now() < sh.deadline) {
        if (!st.mate) st.mate = std::make_unique<MateFinder>();
        Move m = kNoMove;
        const int plies = st.mate->find(root, MateFinder::kMaxPlies, sh.deadline, limits.mateNodes, m);
        mateNodes = st.mate->nodes();
        if (plies > 0) {
            r.move = m, r.score = kMate - plies;
            r.pv[0] = m, r.pvLength = 1;
            if (limits.onDepth != nullptr) limits.onDepth(limits.context, r);
        }
    }
    r.nodes = mateNodes;
    for (int i = 0; i < threads; ++i) r.nodes += st.workers[i]->nodes;
    r.seconds = since(sh.start);
    return r;
}

}  // namespace orizen::engine
