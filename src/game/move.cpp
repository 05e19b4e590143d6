// Making a move: the board, the hands and their totals, the king's square, the captured king.
#include "game.h"

namespace orizen {

void Game::駒移動(int sx, int sy, int tx, int ty, int piece) {
    const int dest = pos.Board(tx, ty);
    if (dest <= -30) {
        pos.UpperHandCount = pos.UpperHandCount + 1;
        駒取得(dest);
        描画_敵持盤();
    } else if (dest >= 30) {
        pos.LowerHandCount = pos.LowerHandCount + 1;
        駒取得(dest);
        描画_自持盤();
    }

    描画_絵(EMPTY, sx, sy);
    描画_桝輪郭(settings.BackColourIndex, sx, sy);

    pos.Board(tx, ty) = static_cast<int16_t>(piece);
    if (piece == -950) {
        pos.LowerKingX = tx;
        pos.LowerKingY = ty;
    }

    if (sx == -1) {
        pos.UpperHandCount = pos.UpperHandCount - 1;
        pos.HandUpper(sy) = pos.HandUpper(sy) - 1;
        描画_敵持盤();
    } else if (sx == 29) {
        pos.LowerHandCount = pos.LowerHandCount - 1;
        pos.HandLower(sy - 20) = pos.HandLower(sy - 20) - 1;
        描画_自持盤();
    } else {
        pos.Board(sx, sy) = EMPTY;
    }

    描画_絵(piece, tx, ty);
    描画_桝輪郭(settings.BackColourIndex, tx, ty);
}

void Game::駒取得(int captured) {
    if (captured == 950) {
        Winner = HumanSide;
    } else if (captured == -950) {
        Winner = OtherSide;
    } else if (const int k = kindOf(captured); k != 0) {
        if (captured > 0)
            pos.HandLower(k) = pos.HandLower(k) + 1;
        else
            pos.HandUpper(k) = pos.HandUpper(k) + 1;
    }
}

int Analysis::移動後チェック(int ty, int piece) {
    if ((piece == 30 || piece == 40) && ty == 27) return NO;
    if (piece == 50 && ty > BoardSize - 2) return NO;
    if ((piece == -30 || piece == -40) && ty == 1) return NO;
    if (piece == -50 && ty < 3) return NO;
    return YES;
}

int Game::取得_打駒座標X(int piece) { return piece >= 30 ? UpperResultX : LowerResultX; }

int Game::取得_打駒座標Y(int piece) { return piece >= 30 ? UpperResultY : LowerResultY; }

void Game::取得_駒移動座標(int piece, int x, int y, int& x1, int& x2, int& y1, int& y2) {
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
