// Drawing the board, the stands, the background tiles and the title.
#include "game/game.h"

namespace orizen {

namespace {

inline double cellX(double x) { return BoardLeft + x * SquareWidth; }
inline double cellY(double y) { return BoardTop + y * SquareHeight; }

}  // namespace

void Game::描画_絵(int code, double x, double y) const { canvas.picture(code, cellX(x), cellY(y)); }

void Game::描画_桝輪郭(int colour, double x, double y) const { canvas.outline(colour, cellX(x), cellY(y)); }

void Game::描画_盤() const {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            描画_絵(pos.Board(x, y), x, y);
            描画_桝輪郭(settings.BackColourIndex, x, y);
        }
}

void Game::描画_自持盤() const {
    for (int i = 1; i <= 7; ++i) {
        描画_絵(0, 29, 20 + i);
        描画_絵(settings.BackgroundKind, 30, 20 + i);
        描画_桝輪郭(settings.BackColourIndex, 29, 20 + i);
        if (pos.HandLower(i) > 0) {
            描画_絵(-kHandCode[i], 29, 20 + i);
            描画_桝輪郭(settings.BackColourIndex, 29, 20 + i);
            描画_数値(30.1, 20.3 + i, pos.HandLower(i), COLOUR_BLACK, 0, 14);
            描画_数値(30, 20.2 + i, pos.HandLower(i), 12, 0, 14);
        }
    }
}

void Game::描画_敵持盤() const {
    for (int i = 1; i <= 7; ++i) {
        const int k = 8 - i;
        描画_絵(0, -1, i);
        描画_絵(settings.BackgroundKind, 0, i);
        描画_桝輪郭(settings.BackColourIndex, -1, i);
        if (pos.HandUpper(k) > 0) {
            描画_絵(kHandCode[k], -1, i);
            描画_桝輪郭(settings.BackColourIndex, -1, i);
            描画_数値(0.1, 0.3 + i, pos.HandUpper(k), COLOUR_BLACK, 0, 14);
            描画_数値(0, 0.2 + i, pos.HandUpper(k), 12, 0, 14);
        }
    }
}

void Game::描画_背景(int kind) const {
    for (int x = -4; x <= 37; ++x)
        for (int y = -2; y <= 30; ++y)
            if (x < 1 || x > BoardSize || y < 1 || y > BoardSize) 描画_絵(kind, x, y);
}

void Game::画面_再描画() const {
    描画_背景(settings.BackgroundKind);
    描画_桝_数値();
    描画_自持盤();
    描画_敵持盤();
    描画_盤();
    if (flow.GameMode == MODE_COMPUTER) 描画_レベル(settings.ComputerLevel);
    描画_絵(PICT_TITLE, 30, 0.5);
}

}  // namespace orizen
