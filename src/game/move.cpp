// Making a move: the position changes (Position::play), a captured king ends the game, and the
// squares and stands it changed are drawn.
#include "game/game.h"

namespace orizen {

void Game::駒移動(int sx, int sy, int tx, int ty, int piece) {
    const int captured = pos.play(sx, sy, tx, ty, piece);
    駒取得(captured);
    drawMove(sx, sy, tx, ty, piece, captured);
}

void Game::駒取得(int captured) {
    if (captured == 950) {
        flow.Winner = flow.HumanSide;
    } else if (captured == -950) {
        flow.Winner = flow.OtherSide;
    }
}

// The squares and stands a move changed, in the order the move changed them.
void Game::drawMove(int sx, int sy, int tx, int ty, int piece, int captured) const {
    if (captured <= -30)
        描画_敵持盤();
    else if (captured >= 30)
        描画_自持盤();
    描画_絵(EMPTY, sx, sy);
    描画_桝輪郭(settings.BackColourIndex, sx, sy);
    if (sx == -1)
        描画_敵持盤();
    else if (sx == 29)
        描画_自持盤();
    描画_絵(piece, tx, ty);
    描画_桝輪郭(settings.BackColourIndex, tx, ty);
}

int Game::取得_打駒座標X(int piece) { return piece >= 30 ? UpperResultX : LowerResultX; }

int Game::取得_打駒座標Y(int piece) { return piece >= 30 ? UpperResultY : LowerResultY; }

}  // namespace orizen
