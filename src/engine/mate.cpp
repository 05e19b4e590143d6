#include "engine/mate.h"

namespace orizen::engine {

namespace {

// After the move just made: is the mover's own king safe?
bool moverSafe(const Position& p) {
    const int k = p.king[other(p.side)];
    return k == 0 || !p.attacked(k, p.side);
}

}  // namespace

bool MateFinder::out() {
    if (stopped_) return true;
    if ((++nodes_ & 1023) == 0 && std::chrono::steady_clock::now() >= deadline_) stopped_ = true;
    if (nodes_ >= limit_) stopped_ = true;
    return stopped_;
}

// The checking moves of the side to move that leave its own king safe, into moves_[ply].
int MateFinder::checks(int ply) {
    const int k = p_.king[other(p_.side)];
    MoveList all{moves_[ply]};
    generateAll(p_, all);
    int n = 0;
    for (int i = 0; i < all.n; ++i) {
        const Move m = all.m[i];
        if (!couldCheck(m, k)) continue;
        Undo u;
        p_.make(m, u);
        const bool gives = p_.attacked(k, other(p_.side)) && moverSafe(p_);
        p_.unmake(m, u);
        if (gives) all.m[n++] = m;
    }
    return n;
}

// The side to move mates within `plies`.
bool MateFinder::attack(int plies, int ply) {
    if (out()) return false;
    const int n = checks(ply);
    for (int i = 0; i < n; ++i) {
        const Move m = moves_[ply][i];
        Undo u;
        p_.make(m, u);
        const bool mates = defend(plies - 1, ply + 1);
        p_.unmake(m, u);
        if (stopped_) return false;
        if (mates) {
            if (ply == 0) best_ = m;
            return true;
        }
    }
    return false;
}

// The side to move, in check, is mated within `plies`: no answer, or none that escapes.
bool MateFinder::defend(int plies, int ply) {
    if (out()) return false;
    MoveList l{moves_[ply]};
    generateEvasions(p_, l);
    const int k = p_.king[p_.side];
    for (int i = 0; i < l.n; ++i) {
        const Move m = l.m[i];
        Undo u;
        p_.make(m, u);
        const int own = isDrop(m) || moveFrom(m) != k ? k : moveTo(m);
        bool escapes = !p_.attacked(own, p_.side);
        if (escapes && plies > 1) escapes = !attack(plies - 1, ply + 1);
        p_.unmake(m, u);
        if (stopped_) return false;
        if (escapes) return false;
    }
    return true;
}

int MateFinder::find(const Position& root, int maxPlies, std::chrono::steady_clock::time_point deadline,
                     uint64_t nodeLimit, Move& first) {
    p_ = root;
    nodes_ = 0, limit_ = nodeLimit, deadline_ = deadline, stopped_ = false;
    if (p_.king[other(p_.side)] == 0 || p_.inCheck()) return 0;
    for (int plies = 1; plies <= std::min(maxPlies, kMaxPlies); plies += 2) {
        best_ = kNoMove;
        if (attack(plies, 0)) {
            first = best_;
            return plies;
        }
        if (stopped_) break;
    }
    return 0;
}

}  // namespace orizen::engine
