// Texts and numbers on the window: coordinates, move number, level, last moves, move guidance.
#include "game/game.h"

namespace orizen {

namespace {

inline double cellX(double x) { return BoardLeft + x * SquareWidth; }
inline double cellY(double y) { return BoardTop + y * SquareHeight; }

}  // namespace

void Game::描画_数値(double x, double y, int value, int colour, int mode, int size) const {
    // Numbers print with their sign position: a blank before a positive number.
    std::string text(value < 0 ? "" : " ");
    text += std::to_string(value);
    描画_数値(x, y, text, colour, mode, size);
}

void Game::描画_数値(double x, double y, const std::string& value, int colour, int mode, int size) const {
    (void)mode;  // every caller passes 0: the value is printed unchanged
    canvas.text(cellX(x), cellY(y), value, colour, size, FontBold);
}

void Game::描画_文字列(double x, double y, int code, int colour, int size) const {
    if (code == 99) canvas.text(cellX(x) + 120, cellY(y) + 160, "手目", colour, size, FontBold);
}

void Game::描画_移動駒種類(double x, double y, const std::string& text, int colour) const {
    canvas.text(cellX(x), cellY(y), text, colour, 12, FontBold);
}

std::string Game::文字列変換(int value) {
    static const char* const kDigits[] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    if (value >= 1 && value <= 9) return kDigits[value];
    if (value >= 10 && value <= 27) return std::to_string(value);
    switch (value < 0 ? -value : value) {
        case 30: return "歩";
        case 31: return "と";
        case 40: return "香";
        case 41: return "香成";
        case 50: return "桂";
        case 51: return "桂成";
        case 100: return "銀";
        case 101: return "銀成";
        case 110: return "金";
        case 800: return "角";
        case 801: return "角成";
        case 900: return "飛";
        case 901: return "飛成";
        case 950: return "王";
        default: return "";
    }
}

void Game::描画_桝_数値() const {
    FontBold = true;
    for (int i = 1; i <= 27; ++i) {
        描画_絵(settings.BackgroundKind, i, 0);
        const std::string file = 文字列変換(28 - i);
        if (i < 19) {
            描画_数値(i, 0.4, file, COLOUR_BLACK, 0, 9);
            描画_数値(i - 0.1, 0.3, file, COLOUR_YELLOW, 0, 9);
        } else {
            描画_数値(i + 0.2, 0.4, file, COLOUR_BLACK, 0, 9);
            描画_数値(i + 0.1, 0.3, file, COLOUR_YELLOW, 0, 9);
        }
        描画_絵(settings.BackgroundKind, 28, i);
        const std::string rank = 文字列変換(i);
        if (i < 10) {
            描画_数値(28.2, i + 0.4, rank, COLOUR_BLACK, 0, 10);
            描画_数値(28.1, i + 0.3, rank, 12, 0, 10);
        } else {
            描画_数値(27.95, i + 0.4, rank, COLOUR_BLACK, 0, 10);
            描画_数値(27.9, i + 0.3, rank, 12, 0, 10);
        }
        描画_桝輪郭(settings.BackColourIndex, 27, i);
    }
}

void Game::描画_手数(int n, int colour) const {
    (void)colour;  // the number is always white
    描画_絵(settings.BackgroundKind, 31, 3);
    描画_絵(settings.BackgroundKind, 32, 3);
    double shadowX = 31.1, textX = 31;
    if (n < 10) shadowX = 31.3, textX = 31.2;
    else if (n < 100) shadowX = 31.2, textX = 31.1;
    描画_数値(shadowX, 3.4, n, COLOUR_BLACK, 0, 12);
    描画_数値(textX, 3.3, n, COLOUR_WHITE, 0, 12);
    描画_文字列(31.9, 3, 99, COLOUR_BLACK, 10);
    描画_文字列(31.8, 2.9, 99, COLOUR_WHITE, 10);
}

void Game::描画_レベル(int level) const {
    描画_数値(-3.4, 0.2, "LEVEL", COLOUR_BLACK, 0, 10);
    描画_数値(-3.5, 0.1, "LEVEL", COLOUR_WHITE, 0, 10);
    描画_数値(-0.9, 0.1, level, COLOUR_BLACK, 0, 12);
    描画_数値(-1, 0.1, level, COLOUR_WHITE, 0, 12);
}

void Game::消去_移動結果(double x, double y) const {
    for (int i = 0; i <= 4; ++i) 描画_絵(settings.BackgroundKind, x + i, y + 0.3);
}

void Game::描画_移動結果(double x, double y, int tx, int ty, int piece, int colour) const {
    消去_移動結果(x, y);
    描画_桝輪郭(settings.BackColourIndex, -1, 7);
    const std::string file = 文字列変換(28 - tx), rank = 文字列変換(ty), name = 文字列変換(piece);
    描画_移動駒種類(x + 0.5, y + 0.5, file, COLOUR_BLACK);
    描画_移動駒種類(x + 0.4, y + 0.4, file, colour);
    描画_移動駒種類(x + 1.9, y + 0.5, rank, COLOUR_BLACK);
    描画_移動駒種類(x + 1.8, y + 0.4, rank, 12);
    描画_移動駒種類(x + 3.1, y + 0.5, name, COLOUR_BLACK);
    描画_移動駒種類(x + 3, y + 0.4, name, colour);
    canvas.refresh();
}

void Game::描画_移動可能桝色(int sx, int sy, int piece) const {
    消去_移動指導();
    if (!isChecked(Menu::SIDOU)) return;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y)
            if (移動チェック(sx, sy, x, y, piece) == YES) 描画_桝輪郭(settings.GuidanceColour, x, y);
}

void Game::消去_移動指導() const {
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) 描画_桝輪郭(settings.GuidanceOffColour, x, y);
    for (int k = 1; k <= 7; ++k) {
        描画_桝輪郭(settings.GuidanceOffColour, -1, k);
        描画_桝輪郭(settings.GuidanceOffColour, 29, 20 + k);
    }
}

}  // namespace orizen
