// The searching engine's position: the game's position (the board's codes and both hands) with the
// search's indexes of it, the side to move and a Zobrist key, all kept by make and unmake.
// Trivially copyable; it knows the game's rules (moves, drops, promotion zone, two-pawn rule) but
// nothing of the window.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

#include "rules/pieces.h"
#include "rules/position.h"
#include "engine/piece_terms.h"
#include "engine/weights.h"

namespace orizen::engine {

// Squares are the game's (sq, sqX, sqY).
inline constexpr int kWords = (kSquares + 63) / 64;

// The rules' piece types (+type upper, -type lower), kinds and codes.
using pieces::Type;
using pieces::NONE, pieces::FU, pieces::TO, pieces::KY, pieces::NKY, pieces::KE, pieces::NKE, pieces::GI,
    pieces::NGI, pieces::KI, pieces::KA, pieces::UMA, pieces::HI, pieces::RYU, pieces::OU, pieces::kTypes;
using pieces::kKindOf, pieces::kKindType, pieces::kCode;
inline constexpr int8_t WALL = 64;

enum Side : int { UPPER = 0, LOWER = 1 };
inline constexpr int other(int side) { return side ^ 1; }

// The code of a piece (+type upper, -type lower, 0 none).
inline constexpr std::array<int16_t, 2 * kTypes - 1> kCodeOfPiece = [] {
    std::array<int16_t, 2 * kTypes - 1> r{};
    for (int t = 0; t < kTypes; ++t) r[kTypes - 1 + t] = int16_t(kCode[t]), r[kTypes - 1 - t] = int16_t(-kCode[t]);
    return r;
}();
inline int16_t codeOf(int piece) { return kCodeOfPiece[piece + kTypes - 1]; }

// A move in 32 bits: destination, source square (or hand kind for a drop), promotion and drop flags.
using Move = uint32_t;
inline constexpr Move kNoMove = 0;
inline constexpr Move kPromote = 1u << 20, kDrop = 1u << 21;
inline constexpr Move makeMove(int from, int to, bool promote) { return Move(to) | Move(from) << 10 | (promote ? kPromote : 0); }
inline constexpr Move makeDrop(int kind, int to) { return Move(to) | Move(kind) << 10 | kDrop; }
inline constexpr int moveTo(Move m) { return int(m & 1023); }
inline constexpr int moveFrom(Move m) { return int(m >> 10 & 1023); }  // the kind for a drop
inline constexpr bool isDrop(Move m) { return m & kDrop; }
inline constexpr bool isPromotion(Move m) { return m & kPromote; }

// Whether squares a and b share a file, a rank or a diagonal.
inline constexpr bool aligned(int a, int b) {
    const int dx = sqX(a) - sqX(b), dy = sqY(a) - sqY(b);
    return dx == 0 || dy == 0 || dx == dy || dx == -dy;
}
// Whether m could give check to a king on k: only by landing near it or on its lines, or by
// uncovering one of its lines.
inline constexpr bool couldCheck(Move m, int k) {
    const int to = moveTo(m), dx = sqX(to) - sqX(k), dy = sqY(to) - sqY(k);
    if (dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2) return true;
    return aligned(to, k) || (!isDrop(m) && aligned(moveFrom(m), k));
}

struct Undo {
    int8_t captured;
    uint64_t key;
    int material;
    int terms[2], nearKing[2];
};

// Board and HandUpper / HandLower are the position; make and unmake keep them. The game's totals,
// kings' squares and pawn flags are the levels' own and are left as they were.
struct Position : orizen::Position {
    int8_t cell[kSquares];    // the board by type: +type upper, -type lower, WALL beyond the board
    uint64_t occ[2][kWords];  // squares of each side's pieces
    uint8_t pawns[2][28];     // unpromoted pawns of each side per file x
    int16_t king[2];          // 0 when the side has no king
    int side;                 // to move
    int material;             // material from the upper side's view
    uint64_t key;
    // Squares of each side's pieces that step in direction d (as the side sees it), and of its
    // pieces that slide: captures are found from these.
    uint64_t stepping[2][10][kWords];
    uint64_t sliding[2][kWords];
    // While both kings are on the board: each side's sum of the per-piece terms (kPieceTerms),
    // and how many of its pieces stand within two squares of the enemy king.
    int terms[2];
    int nearKing[2];

    // Empty board, empty hands, upper side to move.
    void clear();
    // Puts a piece (+type upper, -type lower) on an empty square of the board, before refresh().
    void put(int s, int piece) { Board[s] = codeOf(piece); }
    void addHand(int side, int kind, int n);
    // Builds the indexes, key and material from the board and hands: codes that are no piece are
    // taken off the board, and hands are held to 0 .. 255.
    void refresh();

    int& inHand(int side_, int kind) { return (side_ == UPPER ? HandUpper : HandLower)(kind); }
    int inHand(int side_, int kind) const { return (side_ == UPPER ? HandUpper : HandLower)(kind); }
    int at(int x, int y) const { return cell[sq(x, y)]; }
    bool owns(int s, int side_) const { return side_ == UPPER ? cell[s] > 0 && cell[s] != WALL : cell[s] < 0; }

    // Puts a piece of `type` of side_ on s into stepping and sliding, or takes it out.
    void toggleMoves(int side_, int type, int s);
    // Counts terms and nearKing afresh.
    void recount();
    void kingMoved(int side_, int from, int to);
    void addTerms(int side_, int type, int s, int n) {
        const int own = king[side_], enemy = king[other(side_)];
        terms[side_] += n * kPieceTerms.of(type, side_, s, own, enemy);
        nearKing[side_] += n * (kPieceTerms.dist(s, enemy) <= 2);
    }

    void make(Move m, Undo& u);
    void unmake(Move m, const Undo& u);
    void makeNull() { side ^= 1, key ^= kSideKey; }
    void unmakeNull() { makeNull(); }

    // True when a piece of `by` could move onto s (a king's capture included).
    bool attacked(int s, int by) const;
    bool inCheck() const { return king[side] != 0 && attacked(king[side], other(side)); }
    // The squares of the pieces of `by` that could move onto s, into `from` (room for 18); how many.
    int attackers(int s, int by, int* from) const;

    static const uint64_t kSideKey;
};
static_assert(std::is_trivially_copyable_v<Position>);

// Material values of a type on the board and of a kind in hand.
inline constexpr const int* kValue = kWeights.data() + weight::Value;
inline constexpr const int* kHandValue = kWeights.data() + weight::Hand;

// Moves of one node, in a caller-owned buffer.
inline constexpr int kMaxMoves = 8192;
struct MoveList {
    Move* m;
    int n = 0;
    void add(Move v) { m[n++] = v; }
};

// Every move and drop the rules allow the side to move (its own king may be left attacked).
// Unpromoted forms come first where both are allowed.
void generateAll(const Position& p, MoveList& out);
// Board moves that capture, promoting where the mover must or the promoted piece is worth more.
void generateCaptures(const Position& p, MoveList& out);
// Moves that may answer a check to the side to move's king: the king's steps, and against one
// checker its capture and what stands between (moves and drops; with `cheapestDrops` only the
// least valuable kind that may be dropped on each square).
void generateEvasions(const Position& p, MoveList& out, bool cheapestDrops = false);
// Board moves that do not capture, then drops; with `usefulOnly`, only drops that attack, defend,
// block a line or guard their own king.
void generateQuiets(const Position& p, MoveList& out, bool usefulOnly);

}  // namespace orizen::engine
