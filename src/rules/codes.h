// The game's numbers: results and flags, turns and modes, colours, tiles, the window's geometry
// and the piece codes.
#pragma once

namespace orizen {

// Results, flags and sizes.
inline constexpr int YES = 1;
inline constexpr int NO = 0;
inline constexpr int EMPTY = 0;
inline constexpr int BoardSize = 27;
inline constexpr int HISTORY_MAX = 500;  // moves the history holds
// Shown when a move, the person's or the computer's, would not fit in the history.
inline constexpr const char* kHistoryFullText = "棋譜は500手までです。これ以上指せません";
inline constexpr const char* kHistoryFullTitle = "手数";

// Turns and modes.
inline constexpr int NO_GAME = -1;
inline constexpr int TURN_FIRST = 6;
inline constexpr int TURN_SECOND = 7;
inline constexpr int MODE_HUMAN = 0;
inline constexpr int MODE_COMPUTER = 1;
inline constexpr int LEFT_BUTTON = 1;
inline constexpr int RIGHT_BUTTON = 2;

// Colour indices of the 16-colour palette.
inline constexpr int COLOUR_BLACK = 0;
inline constexpr int COLOUR_GREEN = 2;
inline constexpr int COLOUR_SELECT = 12;
inline constexpr int COLOUR_YELLOW = 14;
inline constexpr int COLOUR_WHITE = 15;

// Tile picture codes.
inline constexpr int PICT_TITLE = 1;
inline constexpr int BG_MIDORI = 2;
inline constexpr int BG_TATAMI = 3;
inline constexpr int BG_TAKE = 4;
inline constexpr int BG_UCHU = 5;
inline constexpr int BG_RENGA = 6;

// Screen geometry in window units (1/1440 inch).
inline constexpr int BoardLeft = 1050;
inline constexpr int BoardTop = -30;
inline constexpr int SquareWidth = 270;
inline constexpr int SquareHeight = 300;
inline constexpr int WindowWidth = 11400;
inline constexpr int WindowHeight = 9800;

// Cells of the last-move texts.
inline constexpr int UpperResultX = -4;
inline constexpr int UpperResultY = 8;
inline constexpr int LowerResultX = 30;
inline constexpr int LowerResultY = 5;
inline constexpr int ResultColour = COLOUR_WHITE;

// Piece codes of the upper side; the lower side's are their negations.
inline constexpr int FU = 30, TO = 31, KYOU = 40, NARIKYOU = 41, KEI = 50, NARIKEI = 51;
inline constexpr int GIN = 100, NARIGIN = 101, KIN = 110, KAKU = 800, UMA = 801;
inline constexpr int HISYA = 900, RYU = 901, OU = 950;

}  // namespace orizen
