// Check and mate, and the lower king's escape squares. Heuristics over the influence maps, which
// the caller has brought up to date.
#include "rules/analysis.h"

namespace orizen {

namespace {

// Step 2: with a piece in hand only a check from next door (a knight's mark on the king's own
// square included) can be mate.
bool checkedFromNextDoor(const Map& check, int kx, int ky) {
    for (int x = kx - 1; x <= kx + 1; ++x)
        for (int y = ky - 1; y <= ky + 1; ++y)
            if (onBoard(x, y) && check(x, y) == 9) return true;
    return false;
}

// Step 3: a neighbouring square the king may move to and no enemy piece reaches.
bool kingCanStepAway(const Analysis& g, const Map& enemyInfluence, int kx, int ky, int king) {
    for (int x = kx - 1; x <= kx + 1; ++x)
        for (int y = ky - 1; y <= ky + 1; ++y)
            if (onBoard(x, y) && g.移動チェック(kx, ky, x, y, king) == YES && enemyInfluence(x, y) == 0)
                return true;
    return false;
}

}  // namespace

int Analysis::詰めかMAN_COM移動() {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int c = pos.Board(x, y);
            if (c >= 30 && 移動チェック(x, y, pos.LowerKingX, pos.LowerKingY, c) == YES) return YES;
        }
    return NO;
}

int Analysis::詰めかMAN() {
    const int kx = pos.LowerKingX, ky = pos.LowerKingY;
    if (!onBoard(kx, ky) || maps.UpperInfluence(kx, ky) == 0) return NO;
    if (pos.LowerHandCount > 0 && !checkedFromNextDoor(maps.CheckByUpper, kx, ky)) return NO;
    if (kingCanStepAway(*this, maps.UpperInfluence, kx, ky, -OU)) return NO;

    // A move onto the checker or into its line that leaves no upper piece able to reach the king.
    // The maps stay as they are here, so the marked squares are gathered once; a square that can
    // be reached is tried whatever order the pairs come in, and the answer does not depend on it.
    int n = 0;
    int8_t mx[27 * 27], my[27 * 27];
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y)
            if (maps.CheckByUpper(x, y) > 0) {
                mx[n] = int8_t(x);
                my[n] = int8_t(y);
                ++n;
            }
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int c = pos.Board(x, y);
            if (c < -RYU || c > -FU) continue;
            for (int i = 0; i < n; ++i) {
                const int x2 = mx[i], y2 = my[i];
                if ((x2 == x && y2 == y) || 移動チェック(x, y, x2, y2, c) == NO) continue;
                const int16_t taken = pos.Board(x2, y2);
                pos.Board(x2, y2) = int16_t(c);
                pos.Board(x, y) = EMPTY;
                const int stillReached = 詰めかMAN_COM移動();
                pos.Board(x, y) = int16_t(c);
                pos.Board(x2, y2) = taken;
                if (stillReached == NO) return NO;
            }
        }
    return YES;
}

int Analysis::詰めかCOM(Memory& memory) {
    const int kx = pos.UpperKingX, ky = pos.UpperKingY;
    if (!onBoard(kx, ky) || maps.LowerInfluence(kx, ky) == 0) return NO;
    if (pos.UpperHandCount > 0 && !checkedFromNextDoor(maps.CheckByLower, kx, ky)) return NO;
    if (kingCanStepAway(*this, maps.LowerInfluence, kx, ky, OU)) return NO;

    // Each trial re-runs the survey, so the marked squares are read live: after a trial that
    // fails, the scan goes on over the trial position's marks. The trials record in the memory.
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int c = pos.Board(x, y);
            if (c < FU || c > RYU) continue;
            for (int x2 = 1; x2 <= 27; ++x2)
                for (int y2 = 1; y2 <= 27; ++y2) {
                    if (maps.CheckByLower(x2, y2) <= 0 || (x2 == x && y2 == y)) continue;
                    if (移動チェック(x, y, x2, y2, c) == NO) continue;
                    const int16_t taken = pos.Board(x2, y2);
                    pos.Board(x2, y2) = int16_t(c);
                    pos.Board(x, y) = EMPTY;
                    勢力調査(memory);
                    pos.Board(x, y) = int16_t(c);
                    pos.Board(x2, y2) = taken;
                    if (maps.LowerInfluence(pos.UpperKingX, pos.UpperKingY) == 0) return NO;
                }
        }
    return YES;
}

int Analysis::調査_自王逃道() const {
    static constexpr int kOrder[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
    int count = 0;
    for (const auto& d : kOrder) {
        const int x = pos.LowerKingX + d[0], y = pos.LowerKingY + d[1];
        if (onBoard(x, y) && pos.Board(x, y) == EMPTY && maps.UpperInfluence(x, y) == 0) ++count;
    }
    return count;
}

}  // namespace orizen
