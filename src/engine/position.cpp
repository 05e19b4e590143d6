// Position keeping, make and unmake, attack tests and move generation.
#include "engine/position.h"

#include <cstring>
#include <initializer_list>

namespace orizen::engine {

namespace {

inline constexpr int kMaxHand = 256;

// The ten step directions of the upper side: eight neighbours and the knight's two jumps.
constexpr int kDX[10] = {-1, 0, 1, -1, 1, -1, 0, 1, -1, 1};
constexpr int kDY[10] = {-1, -1, -1, 0, 0, 1, 1, 1, 2, 2};
constexpr uint16_t bits(std::initializer_list<int> l) {
    uint16_t v = 0;
    for (int i : l) v |= uint16_t(1u << i);
    return v;
}
constexpr uint16_t kGold = bits({5, 6, 7, 3, 4, 1});
constexpr uint16_t kDiag = bits({0, 2, 5, 7});
constexpr uint16_t kOrth = bits({1, 3, 4, 6});
// Steps and slides of each type, as direction bit sets for the upper side.
constexpr uint16_t kSteps[kTypes] = {0,     bits({6}), kGold, 0,     kGold, bits({8, 9}), kGold, bits({5, 6, 7, 0, 2}),
                                     kGold, kGold,     0,     kOrth, 0,     kDiag,        kDiag | kOrth};
constexpr uint16_t kSlides[kTypes] = {0, 0, 0, bits({6}), 0, 0, 0, 0, 0, 0, kDiag, kDiag, kOrth, kOrth, 0};

struct Tables {
    int delta[2][10];
    uint32_t stepBy[2][10];   // types of `side` that step in direction d
    uint32_t slideBy[2][10];  // types of `side` that slide in direction d
    uint64_t piece[29][kSquares];
    uint64_t hand[2][8][kMaxHand];
    uint64_t sideKey;
    constexpr Tables() : delta{}, stepBy{}, slideBy{}, piece{}, hand{}, sideKey(0) {
        for (int s = 0; s < 2; ++s)
            for (int d = 0; d < 10; ++d) {
                delta[s][d] = kDX[d] + (s == UPPER ? kDY[d] : -kDY[d]) * kW;
                stepBy[s][d] = slideBy[s][d] = 0;
                for (int t = FU; t < kTypes; ++t) {
                    if (kSteps[t] >> d & 1) stepBy[s][d] |= 1u << t;
                    if (kSlides[t] >> d & 1) slideBy[s][d] |= 1u << t;
                }
            }
        uint64_t x = 0x9E3779B97F4A7C15ull;
        auto next = [&x] {
            x ^= x << 13, x ^= x >> 7, x ^= x << 17;
            return x;
        };
        for (auto& row : piece)
            for (uint64_t& v : row) v = next();
        for (auto& s : hand)
            for (auto& k : s)
                for (uint64_t& v : k) v = next();
        sideKey = next();
    }
};
constexpr Tables T;

inline int sign(int side) { return side == UPPER ? 1 : -1; }
inline uint64_t pieceKey(int piece, int s) { return T.piece[piece + 14][s]; }
inline void setBit(uint64_t* o, int s) { o[s >> 6] |= uint64_t(1) << (s & 63); }
inline void clearBit(uint64_t* o, int s) { o[s >> 6] &= ~(uint64_t(1) << (s & 63)); }
inline int absType(int piece) { return piece < 0 ? -piece : piece; }

bool canPromote(int type, int side, int fromY, int toY) {
    const bool zoneTo = side == UPPER ? toY >= 18 : toY <= 10;
    const bool zoneFrom = side == UPPER ? fromY >= 18 : fromY <= 10;
    switch (type) {
        case FU: case KY: case KE: return zoneTo;
        case GI: case KA: case HI: return zoneTo || zoneFrom;
        default: return false;
    }
}

bool mustPromote(int type, int side, int toY) {
    const int r = side == UPPER ? toY : 28 - toY;  // rows counted from the mover's far side
    return ((type == FU || type == KY) && r == 27) || (type == KE && r >= 26);
}

bool dropAllowed(const Position& p, int kind, int to) {
    const int y = sqY(to), r = p.side == UPPER ? y : 28 - y;
    switch (kind) {
        case 1: return r != 27 && p.pawns[p.side][sqX(to)] == 0;
        case 2: return r != 27;
        case 3: return r <= 25;
        default: return true;
    }
}

// Adds a board move in the forms the rules allow; `all` keeps the unpromoted pawn, bishop and
// rook too, which the search never wants.
inline void addMove(const Position& p, MoveList& out, int from, int to, int type, bool all) {
    const int fy = sqY(from), ty = sqY(to);
    if (canPromote(type, p.side, fy, ty)) {
        if (!mustPromote(type, p.side, ty) && (all || type == GI || type == KY || type == KE))
            out.add(makeMove(from, to, false));
        out.add(makeMove(from, to, true));
    } else {
        out.add(makeMove(from, to, false));
    }
}

// Board moves of the side to move: captures, quiet moves or both.
template <bool Captures, bool Quiets>
void boardMoves(const Position& p, MoveList& out, bool all) {
    const int side = p.side;
    for (int w = 0; w < kWords; ++w)
        for (uint64_t b = p.occ[side][w]; b != 0; b &= b - 1) {
            const int from = w * 64 + __builtin_ctzll(b);
            const int type = absType(p.cell[from]);
            for (uint32_t d = kSteps[type]; d != 0; d &= d - 1) {
                const int to = from + T.delta[side][__builtin_ctz(d)];
                const int c = p.cell[to];
                if (c == 0 ? Quiets : (c != WALL && !p.owns(to, side) && Captures)) addMove(p, out, from, to, type, all);
            }
            for (uint32_t d = kSlides[type]; d != 0; d &= d - 1) {
                const int delta = T.delta[side][__builtin_ctz(d)];
                int to = from + delta;
                for (; p.cell[to] == 0; to += delta)
                    if (Quiets) addMove(p, out, from, to, type, all);
                if (Captures && p.cell[to] != WALL && !p.owns(to, side)) addMove(p, out, from, to, type, all);
            }
        }
}

inline bool hasBit(const uint64_t* o, int s) { return o[s >> 6] >> (s & 63) & 1; }

// Marks the empty squares from which a piece of `type` (of the side to move) would reach t: one
// step, or along its lines from any distance.
void reaching(const Position& p, int type, int t, uint64_t* mask) {
    const int side = p.side;
    for (uint32_t d = kSteps[type]; d != 0; d &= d - 1) {
        const int from = t - T.delta[side][__builtin_ctz(d)];
        if (p.cell[from] == 0) setBit(mask, from);
    }
    for (uint32_t d = kSlides[type]; d != 0; d &= d - 1) {
        const int delta = T.delta[side][__builtin_ctz(d)];
        for (int from = t - delta; p.cell[from] == 0; from -= delta) setBit(mask, from);
    }
}

// The squares where a drop of each kind does something: it attacks a piece of the other side or
// the squares round its king, along its lines from any distance (checks among them); it defends a
// piece of its own side that is attacked; it stands between a sliding piece of the other side and
// what that piece attacks; or it joins the guard next to its own king.
void usefulDrops(const Position& p, const int* kinds, int nk, uint64_t (*mask)[kWords]) {
    const int side = p.side, opp = other(side);
    uint64_t any[kWords] = {};
    const int own = p.king[side];
    if (own != 0)
        for (int d = 0; d < 8; ++d) setBit(any, own + T.delta[0][d]);
    int targets[kSquares], nt = 0;
    const int enemyKing = p.king[opp];
    if (enemyKing != 0)
        for (int d = 0; d < 8; ++d)
            if (p.cell[enemyKing + T.delta[0][d]] == 0) targets[nt++] = enemyKing + T.delta[0][d];
    for (int w = 0; w < kWords; ++w) {
        for (uint64_t b = p.occ[opp][w]; b != 0; b &= b - 1) {
            const int at = w * 64 + __builtin_ctzll(b);
            targets[nt++] = at;
            // Its lines up to the first piece: where a drop blocks, when that piece is ours.
            const int type = absType(p.cell[at]);
            for (uint32_t d = kSlides[type]; d != 0; d &= d - 1) {
                const int delta = T.delta[opp][__builtin_ctz(d)];
                int s = at + delta;
                while (p.cell[s] == 0) s += delta;
                if (p.owns(s, side))
                    for (int e = at + delta; e != s; e += delta) setBit(any, e);
            }
        }
        for (uint64_t b = p.occ[side][w]; b != 0; b &= b - 1) {
            const int at = w * 64 + __builtin_ctzll(b);
            if (at != own && p.attacked(at, opp)) targets[nt++] = at;
        }
    }
    for (int i = 0; i < nk; ++i) {
        uint64_t* m = mask[kinds[i]];
        std::memcpy(m, any, sizeof any);
        const int type = kKindType[kinds[i]];
        for (int j = 0; j < nt; ++j) reaching(p, type, targets[j], m);
    }
}

void drops(const Position& p, MoveList& out, bool useful) {
    const int side = p.side;
    int kinds[7], nk = 0;
    for (int k = 1; k <= 7; ++k)
        if (p.inHand(side, k) > 0) kinds[nk++] = k;
    if (nk == 0) return;
    uint64_t mask[8][kWords];
    if (useful) usefulDrops(p, kinds, nk, mask);
    for (int y = 1; y <= 27; ++y)
        for (int x = 1; x <= 27; ++x) {
            const int to = sq(x, y);
            if (p.cell[to] != 0) continue;
            for (int i = 0; i < nk; ++i)
                if ((!useful || hasBit(mask[kinds[i]], to)) && dropAllowed(p, kinds[i], to))
                    out.add(makeDrop(kinds[i], to));
        }
}

}  // namespace

const uint64_t Position::kSideKey = T.sideKey;

void Position::clear() {
    static_cast<orizen::Position&>(*this) = orizen::Position{};
    side = UPPER;
    refresh();
}

void Position::addHand(int side_, int kind, int n) {
    const int v = inHand(side_, kind) + n;
    inHand(side_, kind) = v < 0 ? 0 : v >= kMaxHand ? kMaxHand - 1 : v;
}

void Position::refresh() {
    std::memset(occ, 0, sizeof occ);
    std::memset(stepping, 0, sizeof stepping);
    std::memset(sliding, 0, sizeof sliding);
    std::memset(pawns, 0, sizeof pawns);
    king[0] = king[1] = 0;
    key = side == LOWER ? kSideKey : 0;
    material = 0;
    for (int s = 0; s < kSquares; ++s) {
        if (!onBoard(sqX(s), sqY(s))) {
            cell[s] = WALL;
            continue;
        }
        const int code = Board[s], t = pieces::typeOf(code);
        if (t == NONE) Board[s] = 0;
        const int c = cell[s] = int8_t(t == NONE ? 0 : code > 0 ? t : -t);
        if (c == 0) continue;
        const int sd = c > 0 ? UPPER : LOWER;
        setBit(occ[sd], s);
        toggleMoves(sd, t, s);
        key ^= pieceKey(c, s);
        material += sign(sd) * kValue[t];
        if (t == OU) king[sd] = int16_t(s);
        if (t == FU) ++pawns[sd][sqX(s)];
    }
    for (int sd = 0; sd < 2; ++sd)
        for (int k = 1; k <= 7; ++k) {
            int& n = inHand(sd, k);
            n = n < 0 ? 0 : n >= kMaxHand ? kMaxHand - 1 : n;
            key ^= T.hand[sd][k][n];
            material += sign(sd) * kHandValue[k] * n;
        }
    recount();
}

void Position::toggleMoves(int side_, int type, int s) {
    const uint64_t bit = uint64_t(1) << (s & 63);
    for (uint32_t d = kSteps[type]; d != 0; d &= d - 1) stepping[side_][__builtin_ctz(d)][s >> 6] ^= bit;
    if (kSlides[type] != 0) sliding[side_][s >> 6] ^= bit;
}

// The guards of side_'s king round its old and new squares, and the other side's pull towards it.
void Position::kingMoved(int side_, int from, int to) {
    const PieceTerms& P = kPieceTerms;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            for (const int centre : {from, to}) {
                const int s = centre + dx + dy * kW;
                if (s < 0 || s >= kSquares || !owns(s, side_)) continue;
                if (centre == to && P.dist(s, from) <= 2) continue;  // counted round `from`
                const int t = absType(cell[s]);
                if (t != OU) terms[side_] += P.guard[t][P.dist(s, to)] - P.guard[t][P.dist(s, from)];
            }
    const int opp = other(side_);
    for (int w = 0; w < kWords; ++w)
        for (uint64_t b = occ[opp][w]; b != 0; b &= b - 1) {
            const int s = w * 64 + __builtin_ctzll(b), t = absType(cell[s]);
            if (t == OU) continue;
            const int dt = P.dist(s, to), df = P.dist(s, from);
            terms[opp] += P.pull[t][dt] - P.pull[t][df];
            nearKing[opp] += (dt <= 2) - (df <= 2);
        }
}

void Position::recount() {
    terms[0] = terms[1] = nearKing[0] = nearKing[1] = 0;
    if (king[UPPER] == 0 || king[LOWER] == 0) return;
    for (int sd = 0; sd < 2; ++sd)
        for (int w = 0; w < kWords; ++w)
            for (uint64_t b = occ[sd][w]; b != 0; b &= b - 1) {
                const int s = w * 64 + __builtin_ctzll(b), t = absType(cell[s]);
                if (t != OU) addTerms(sd, t, s, 1);
            }
}

void Position::make(Move m, Undo& u) {
    u.key = key, u.material = material, u.captured = 0;
    u.terms[0] = terms[0], u.terms[1] = terms[1], u.nearKing[0] = nearKing[0], u.nearKing[1] = nearKing[1];
    const int to = moveTo(m), sg = sign(side);
    if (isDrop(m)) {
        const int k = moveFrom(m), type = kKindType[k], piece = sg * type;
        int& n = inHand(side, k);
        key ^= T.hand[side][k][n];
        --n;
        key ^= T.hand[side][k][n] ^ pieceKey(piece, to);
        cell[to] = int8_t(piece);
        Board[to] = codeOf(piece);
        setBit(occ[side], to);
        toggleMoves(side, type, to);
        material += sg * (kValue[type] - kHandValue[k]);
        if (type == FU) ++pawns[side][sqX(to)];
        if (king[UPPER] != 0 && king[LOWER] != 0) addTerms(side, type, to, 1);
    } else {
        const int from = moveFrom(m), piece = cell[from], type = absType(piece);
        const int cap = cell[to];
        u.captured = int8_t(cap);
        if (cap != 0) {
            const int ct = absType(cap), opp = other(side);
            key ^= pieceKey(cap, to);
            clearBit(occ[opp], to);
            toggleMoves(opp, ct, to);
            material += sg * kValue[ct];
            if (ct == OU) {
                king[opp] = 0;
            } else {
                const int k = kKindOf[ct];
                int& n = inHand(side, k);
                key ^= T.hand[side][k][n];
                if (n < kMaxHand - 1) ++n;
                key ^= T.hand[side][k][n];
                material += sg * kHandValue[k];
                if (ct == FU) --pawns[opp][sqX(to)];
            }
        }
        const int placed = isPromotion(m) ? piece + sg : piece;
        key ^= pieceKey(piece, from) ^ pieceKey(placed, to);
        cell[from] = 0;
        cell[to] = int8_t(placed);
        Board[from] = 0;
        Board[to] = codeOf(placed);
        clearBit(occ[side], from);
        setBit(occ[side], to);
        toggleMoves(side, type, from);
        toggleMoves(side, absType(placed), to);
        if (placed != piece) material += sg * (kValue[type + 1] - kValue[type]);
        if (type == OU) king[side] = int16_t(to);
        if (type == FU) {
            --pawns[side][sqX(from)];
            if (placed == piece) ++pawns[side][sqX(to)];
        }
        if (king[UPPER] == 0 || king[LOWER] == 0) {
            // a king taken: the terms are not used until unmake brings it back
        } else if (type == OU) {
            const int opp = other(side);
            if (cap != 0) {  // as it stood, with the king still on `from`
                terms[opp] -= kPieceTerms.of(absType(cap), opp, to, king[opp], from);
                nearKing[opp] -= kPieceTerms.dist(to, from) <= 2;
            }
            kingMoved(side, from, to);
        } else {
            addTerms(side, type, from, -1);
            addTerms(side, absType(placed), to, 1);
            if (cap != 0) addTerms(other(side), absType(cap), to, -1);
        }
    }
    side ^= 1;
    key ^= kSideKey;
}

void Position::unmake(Move m, const Undo& u) {
    side ^= 1;
    const int to = moveTo(m);
    if (isDrop(m)) {
        const int k = moveFrom(m);
        ++inHand(side, k);
        cell[to] = 0;
        Board[to] = 0;
        clearBit(occ[side], to);
        toggleMoves(side, kKindType[k], to);
        if (k == 1) --pawns[side][sqX(to)];
    } else {
        const int from = moveFrom(m), placed = cell[to], sg = sign(side);
        const int piece = isPromotion(m) ? placed - sg : placed, type = absType(piece);
        cell[from] = int8_t(piece);
        cell[to] = u.captured;
        Board[from] = codeOf(piece);
        Board[to] = codeOf(u.captured);
        setBit(occ[side], from);
        clearBit(occ[side], to);
        toggleMoves(side, absType(placed), to);
        toggleMoves(side, type, from);
        if (type == OU) king[side] = int16_t(from);
        if (type == FU) {
            ++pawns[side][sqX(from)];
            if (placed == piece) --pawns[side][sqX(to)];
        }
        if (u.captured != 0) {
            const int ct = absType(u.captured), opp = other(side);
            setBit(occ[opp], to);
            toggleMoves(opp, ct, to);
            if (ct == OU) {
                king[opp] = int16_t(to);
            } else {
                --inHand(side, kKindOf[ct]);
                if (ct == FU) ++pawns[opp][sqX(to)];
            }
        }
    }
    key = u.key, material = u.material;
    terms[0] = u.terms[0], terms[1] = u.terms[1], nearKing[0] = u.nearKing[0], nearKing[1] = u.nearKing[1];
}

namespace {

// Calls found(square) for each piece of `by` that could move onto s, until it answers true;
// whether one did.
template <class Found>
bool eachAttacker(const int8_t* cell, int s, int by, Found found) {
    const int sg = sign(by);
    for (int d = 0; d < 10; ++d) {
        const int at = s - T.delta[by][d], c = cell[at];
        if (c != 0 && c != WALL && (c > 0) == (sg > 0) && (T.stepBy[by][d] >> absType(c) & 1) && found(at))
            return true;
    }
    for (int d = 0; d < 8; ++d) {
        const uint32_t sliders = T.slideBy[by][d];
        if (sliders == 0) continue;
        const int delta = T.delta[by][d];
        int t = s - delta;
        while (cell[t] == 0) t -= delta;
        const int c = cell[t];
        if (c != WALL && (c > 0) == (sg > 0) && (sliders >> absType(c) & 1) && found(t)) return true;
    }
    return false;
}

}  // namespace

bool Position::attacked(int s, int by) const {
    return eachAttacker(cell, s, by, [](int) { return true; });
}

int Position::attackers(int s, int by, int* from) const {
    int n = 0;
    eachAttacker(cell, s, by, [&](int at) {
        from[n++] = at;
        return false;
    });
    return n;
}

void generateEvasions(const Position& p, MoveList& out, bool cheapestDrops) {
    const int side = p.side, k = p.king[side];
    if (k == 0) return;
    for (int d = 0; d < 8; ++d) {
        const int to = k + T.delta[side][d];
        if (p.cell[to] != WALL && !p.owns(to, side)) addMove(p, out, k, to, OU, false);
    }
    int checkers[18];
    if (p.attackers(k, other(side), checkers) != 1) return;
    // One checker: take it, or stand between it and the king.
    const int c = checkers[0];
    const int dx = sqX(c) - sqX(k), dy = sqY(c) - sqY(k);
    const int adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool line = (dx == 0 || dy == 0 || adx == ady) && (adx > 1 || ady > 1) && absType(p.cell[c]) != KE;
    const int step = line ? (dx > 0) - (dx < 0) + ((dy > 0) - (dy < 0)) * kW : 0;
    int kinds[7], nk = 0;
    for (int kind = 1; kind <= 7; ++kind)
        if (p.inHand(side, kind) > 0) kinds[nk++] = kind;
    for (int to = c;; to -= step) {
        int from[18];
        const int n = p.attackers(to, side, from);
        for (int i = 0; i < n; ++i)
            if (from[i] != k) addMove(p, out, from[i], to, absType(p.cell[from[i]]), false);
        if (to != c)
            for (int i = 0; i < nk; ++i)
                if (dropAllowed(p, kinds[i], to)) {
                    out.add(makeDrop(kinds[i], to));
                    if (cheapestDrops) break;
                }
        if (!line || to - step == k) break;
    }
}

void generateAll(const Position& p, MoveList& out) {
    boardMoves<true, true>(p, out, true);
    drops(p, out, false);
}

// The squares of b moved by delta (0 < |delta| < 64).
inline void shifted(const uint64_t* b, int delta, uint64_t* out) {
    if (delta > 0) {
        out[0] = b[0] << delta;
        for (int w = 1; w < kWords; ++w) out[w] = b[w] << delta | b[w - 1] >> (64 - delta);
    } else {
        const int k = -delta;
        for (int w = 0; w + 1 < kWords; ++w) out[w] = b[w] >> k | b[w + 1] << (64 - k);
        out[kWords - 1] = b[kWords - 1] >> k;
    }
}

// Steps onto enemy pieces a direction at a time for all pieces at once, then the sliding pieces'
// lines (the same moves as boardMoves<true, false>, in another order).
void generateCaptures(const Position& p, MoveList& out) {
    const int side = p.side;
    const uint64_t* enemy = p.occ[other(side)];
    for (int d = 0; d < 10; ++d) {
        const int delta = T.delta[side][d];
        uint64_t to[kWords];
        shifted(p.stepping[side][d], delta, to);
        for (int w = 0; w < kWords; ++w)
            for (uint64_t b = to[w] & enemy[w]; b != 0; b &= b - 1) {
                const int s = w * 64 + __builtin_ctzll(b), from = s - delta;
                addMove(p, out, from, s, absType(p.cell[from]), false);
            }
    }
    for (int w = 0; w < kWords; ++w)
        for (uint64_t b = p.sliding[side][w]; b != 0; b &= b - 1) {
            const int from = w * 64 + __builtin_ctzll(b), type = absType(p.cell[from]);
            for (uint32_t d = kSlides[type]; d != 0; d &= d - 1) {
                const int delta = T.delta[side][__builtin_ctz(d)];
                int to = from + delta;
                while (p.cell[to] == 0) to += delta;
                if (p.owns(to, other(side))) addMove(p, out, from, to, type, false);
            }
        }
}

void generateQuiets(const Position& p, MoveList& out, bool usefulOnly) {
    boardMoves<false, true>(p, out, false);
    drops(p, out, usefulOnly);
}

}  // namespace orizen::engine
