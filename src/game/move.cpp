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

int Game::取得_打駒座標X(int piece) { return piece >= 30 ? UpperResultX : LowerResultX; }

int Game::取得_打駒座標Y(int piece) { return piece >= 30 ? UpperResultY : LowerResultY; }

}  // namespace orizen
