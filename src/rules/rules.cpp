// Movement rules: may a piece move or be dropped there, may it promote, which files hold a pawn.
#include "rules/analysis.h"

namespace orizen {

namespace {

inline bool kingStep(int dx, int dy) { return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1; }

}  // namespace

int Analysis::移動チェック(int sx, int sy, int tx, int ty, int piece) const {
    if (tx < 1 || tx > 27 || ty < 1 || ty > 27) return NO;
    const int dest = pos.Board(tx, ty);
    const bool drop = sx == 29 || sx == -1;
    if (!drop) {
        if (piece >= 30 && dest >= 30) return NO;
        if (piece <= -30 && dest <= -30) return NO;
    } else {
        if (dest != EMPTY) return NO;
        if (piece == -30 && pos.PawnOnFileLower(tx) == 1) return NO;
        if (piece == 30 && pos.PawnOnFileUpper(tx) == 1) return NO;
        switch (piece) {
            case 30: case -30: case 40: case -40: case 50: case -50: break;
            default: return YES;
        }
    }
    if (sx == tx && sy == ty) return NO;

    const int dx = tx - sx, dy = ty - sy;
    switch (piece) {
        case 30: return drop ? ty != 27 : (dx == 0 && dy == 1);
        case -30: return drop ? ty != 1 : (dx == 0 && dy == -1);
        case 40:
            if (drop) return ty != 27;
            return dx == 0 && dy > 0 && 移動チェック飛車(sx, sy, tx, ty);
        case -40:
            if (drop) return ty != 1;
            return dx == 0 && dy < 0 && 移動チェック飛車(sx, sy, tx, ty);
        case 50: return drop ? ty <= 25 : (dy == 2 && (dx == 1 || dx == -1));
        case -50: return drop ? ty >= 3 : (dy == -2 && (dx == 1 || dx == -1));
        case 100: return dx >= -1 && dx <= 1 && (dy == 1 || (dy == -1 && dx != 0));
        case -100: return dx >= -1 && dx <= 1 && (dy == -1 || (dy == 1 && dx != 0));
        case 31: case 41: case 51: case 101: case 110:
            return (dx >= -1 && dx <= 1 && (dy == 1 || dy == 0)) || (dx == 0 && dy == -1);
        case -31: case -41: case -51: case -101: case -110:
            return (dx >= -1 && dx <= 1 && (dy == -1 || dy == 0)) || (dx == 0 && dy == 1);
        case 800: case -800: return 移動チェック角(sx, sy, tx, ty);
        case 801: case -801: return kingStep(dx, dy) ? YES : 移動チェック角(sx, sy, tx, ty);
        case 900: case -900: return 移動チェック飛車(sx, sy, tx, ty);
        case 901: case -901: return kingStep(dx, dy) ? YES : 移動チェック飛車(sx, sy, tx, ty);
        case 950: case -950: return kingStep(dx, dy);
        default: return NO;
    }
}

int Analysis::移動チェック飛車(int sx, int sy, int tx, int ty) const {
    if (sx == tx) {
        const int step = ty > sy ? 1 : -1;
        for (int y = sy + step; y != ty; y += step)
            if (pos.Board(sx, y) != EMPTY) return NO;
        return YES;
    }
    if (sy == ty) {
        const int step = tx > sx ? 1 : -1;
        for (int x = sx + step; x != tx; x += step)
            if (pos.Board(x, sy) != EMPTY) return NO;
        return YES;
    }
    return NO;
}

int Analysis::移動チェック角(int sx, int sy, int tx, int ty) const {
    if (tx - ty != sx - sy && tx + ty != sx + sy) return NO;
    const int stepX = tx > sx ? 1 : -1, stepY = ty > sy ? 1 : -1;
    for (int x = sx + stepX, y = sy + stepY; x != tx; x += stepX, y += stepY)
        if (pos.Board(x, y) != EMPTY) return NO;
    return YES;
}

int Analysis::調査_駒成(int sx, int sy, [[maybe_unused]] int tx, int ty, int piece) {
    int result = NO;
    if (sx == -1 || sx == 29) return NO;
    switch (piece) {
        case -30: case -40: case -50: result = ty <= 10; break;
        case -100: case -800: case -900: result = ty <= 10 || sy <= 10; break;
        case 30: case 40: case 50: result = ty >= 18; break;
        case 100: case 800: case 900: result = ty >= 18 || sy >= 18; break;
        default: result = NO;
    }
    if (result == YES) work.PromotedCode = piece < 0 ? piece - 1 : piece + 1;
    return result;
}

void Analysis::調査_2歩フラグ設定() {
    for (int x = 1; x <= 27; ++x) {
        pos.PawnOnFileLower(x) = 0;
        pos.PawnOnFileUpper(x) = 0;
        for (int y = 1; y <= 27; ++y) {
            if (pos.Board(x, y) == -30) pos.PawnOnFileLower(x) = 1;
            if (pos.Board(x, y) == 30) pos.PawnOnFileUpper(x) = 1;
        }
    }
}

int Position::play(int sx, int sy, int tx, int ty, int piece) {
    const int dest = Board(tx, ty);
    if (dest <= -30) {
        UpperHandCount = UpperHandCount + 1;
        if (const int k = kindOf(dest); k != 0) HandUpper(k) = HandUpper(k) + 1;
    } else if (dest >= 30) {
        LowerHandCount = LowerHandCount + 1;
        if (const int k = kindOf(dest); k != 0) HandLower(k) = HandLower(k) + 1;
    }
    Board(tx, ty) = static_cast<int16_t>(piece);
    if (piece == -950) {
        LowerKingX = tx;
        LowerKingY = ty;
    }
    if (sx == -1) {
        UpperHandCount = UpperHandCount - 1;
        HandUpper(sy) = HandUpper(sy) - 1;
    } else if (sx == 29) {
        LowerHandCount = LowerHandCount - 1;
        HandLower(sy - 20) = HandLower(sy - 20) - 1;
    } else {
        Board(sx, sy) = EMPTY;
    }
    return dest;
}

int Analysis::移動後チェック(int ty, int piece) {
    if ((piece == 30 || piece == 40) && ty == 27) return NO;
    if (piece == 50 && ty > BoardSize - 2) return NO;
    if ((piece == -30 || piece == -40) && ty == 1) return NO;
    if (piece == -50 && ty < 3) return NO;
    return YES;
}

void Analysis::取得_駒移動座標(int piece, int x, int y, int& x1, int& x2, int& y1, int& y2) {
    x1 = 1, x2 = 27, y1 = 1, y2 = 27;
    switch (piece) {
        case 30: x1 = x, x2 = x, y1 = y + 1, y2 = y + 1; break;
        case 40: x1 = x, x2 = x, y1 = y + 1, y2 = 27; break;
        case 50: x1 = x - 1, x2 = x + 1, y1 = y + 2, y2 = y + 2; break;
        case 100: case 31: case 110: case 950: x1 = x - 1, x2 = x + 1, y1 = y - 1, y2 = y + 1; break;
        default: break;
    }
    if (x1 < 1) x1 = 1;
    if (x2 > 27) x2 = 27;
    if (y1 < 1) y1 = 1;
    if (y2 > 27) y2 = 27;
}

}  // namespace orizen
