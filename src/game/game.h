// The whole game: board, hands, history, influence maps, the computer's turn and every procedure
// that reads or changes them. One object lives as long as the window (or the command-line run);
// it draws, asks and plays sounds only through the platform interfaces it is given.
#pragma once

#include <cstdint>
#include <string>

#include "grid.h"
#include "menu.h"
#include "platform.h"

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

// Unpromoted code of hand index 1..7 (pawn .. rook), upper side.
inline constexpr int kHandCode[8] = {0, 30, 40, 50, 100, 110, 800, 900};

// Hand index (kind) of a code, 0 for a king, an empty square or a code that is no piece.
int kindOf(int code);
// True when the code is one of the piece codes (±30 .. ±950, ±111 not included).
bool isPieceCode(int code);

class Game {
public:
    Game(Canvas& canvas, Host& host, SoundLibrary& sound);

    Canvas& canvas;
    Host& host;
    SoundLibrary& sound;

    // ---- Board and pieces --------------------------------------------------------------------
    Grid<int16_t> Board{};
    Row<int, 8> HandLower{}, HandUpper{};
    int LowerHandCount = 0, UpperHandCount = 0;

    int Turn = NO_GAME;
    int HumanSide = TURN_FIRST;
    int OtherSide = TURN_SECOND;
    int GameMode = NO_GAME;
    int SelectState = 0;
    int Winner = NO_GAME;
    int MoveNumber = 0;
    int RecordCount = 0, RecordLength = 0;
    int RecordMode = NO;
    int Reversed = NO;
    int ComputerLevel = 3;
    int LowerKingX = 0, LowerKingY = 0, UpperKingX = 0, UpperKingY = 0;
    int BackColourIndex = COLOUR_GREEN;
    int GuidanceColour = COLOUR_WHITE;
    int GuidanceOffColour = COLOUR_GREEN;
    std::string StartFolder;  // the current folder at start-up
    std::string WorkFolder;   // where bare file names are looked for; empty means the process's
    std::string AssetFolder;  // where the sounds and the help page are; empty means WorkFolder

    void 初期設定();
    void Form_Load();
    void 終了処理();
    void Form_Unload();
    bool Ended = false;  // the program has been told to end

    // ---- Movement rules ----------------------------------------------------------------------
    Row<int8_t, 28> PawnOnFileLower{}, PawnOnFileUpper{};
    int PromotedCode = 0;

    int 移動チェック(int sx, int sy, int tx, int ty, int piece) const;
    int 移動チェック飛車(int sx, int sy, int tx, int ty) const;
    int 移動チェック角(int sx, int sy, int tx, int ty) const;
    int 調査_駒成(int sx, int sy, int tx, int ty, int piece);
    void 調査_2歩フラグ設定();

    // ---- Making a move -----------------------------------------------------------------------
    void 駒移動(int sx, int sy, int tx, int ty, int piece);
    void 駒取得(int captured);
    static int 移動後チェック(int ty, int piece);
    static int 取得_打駒座標X(int piece);
    static int 取得_打駒座標Y(int piece);
    static void 取得_駒移動座標(int piece, int x, int y, int& x1, int& x2, int& y1, int& y2);

    // ---- Check and mate ----------------------------------------------------------------------
    int 詰めかMAN_COM移動();
    int 詰めかMAN();
    int 詰めかCOM();
    int 調査_自王逃道() const;
    void 終了(const std::string& winner);

    // ---- Game flow and mouse input -----------------------------------------------------------
    int MoveFromX = 0, MoveFromY = 0, MoveToX = 0, MoveToY = 0, MovePiece = 0;

    void Form_MouseDown(int button, int shift, double X, double Y);
    void TAIKYOKU_Click();
    void STOP_Click();
    void START_Click();
    void SENTE_Click();
    void GOTE_Click();
    void SIDOU_Click();
    void OWARI_Click();
    void 再開();  // resume a paused game (the "OKですか？" branch of a click)
    void 指し手確定(int button);  // commit the selected move (the last step of a click)
    // 指し手確定 short of the computer's answer: YES when com_ban is to answer the move.
    int 指し手反映(int button);

    // Routes a menu command to its handler.
    void menuClick(Menu item);

    // ---- Move history ------------------------------------------------------------------------
    Row<int, HISTORY_MAX + 1> RecFromX{}, RecFromY{}, RecToX{}, RecToY{}, RecCaptured{}, RecPiece{},
        RecResult{};

    // Stores a move; false (and nothing stored) when the history is full or the destination is
    // off the board.
    bool 手順保存(int sx, int sy, int tx, int ty, int before, int after);
    // YES when entry n of the history can be stepped into (forward) from the position on the
    // board, or taken back (backward) to the position before it, without reading or writing
    // outside the board, the hands or the history. Entries read from a file go through it too.
    int 調査_手順適合(int n, bool forward) const;
    void REPLAY_Click();
    void AFTER_Click();
    void CANCEL_Click();
    void REVERSE_Click();

    // ---- Computer's turn ---------------------------------------------------------------------
    double BestScore = -99999;
    Grid<int16_t> BoardBefore{};
    Map LowerInfluenceBefore{}, UpperInfluenceBefore{}, UpperAttackerXBefore{}, UpperAttackerYBefore{};
    int UpperHandCountBefore = 0;
    int LowerKingEscapes = 0;
    int CandidatePiece = 0;
    int MoverKingDistance = 0;

    // The move the last search chose (valid when BestFound).
    struct Choice {
        bool found = false;
        int fx = 0, fy = 0, tx = 0, ty = 0, before = 0, after = 0;
        double score = -99999;
    };
    // One candidate as the search scores it (for the command-line tool's --scores).
    struct ScoredCandidate {
        int fx, fy, tx, ty, before, after;
        double score;
    };
    using CandidateSink = void (*)(void* context, const ScoredCandidate& c);

    void com_ban();
    // Steps 8 to 11 of the computer's turn: plays c (found) or gives the game up (not found).
    void com_ban着手(const Choice& c);
    // Steps 2 to 7 of the computer's turn and the choice of step 8, without drawing or moving.
    Choice 探索(CandidateSink sink = nullptr, void* context = nullptr);

    // ---- Board evaluation, danger squares, positional surveys --------------------------------
    double 盤評価(int captured, int placed, int sx, int sy, int tx, int ty);
    double 盤評価_COM危険座標(int placed, int tx, int ty);
    int 盤評価_自角注意_COM(int tx, int ty, int placed);
    Map BishopTargets{};
    int 調査_移動可場所数(int x, int y, int piece) const;
    int 調査_桂狙い(int tx, int ty) const;
    int 調査_香狙い(int tx, int ty) const;
    int 調査_自守駒MAN_直進駒(int x, int y);
    void 調査_持角狙座標();
    int 調査_周辺状況(int x, int y) const;

    // ---- Strength levels ---------------------------------------------------------------------
    void LEVEL1_Click();
    void LEVEL2_Click();
    void LEVEL3_Click();
    void LEVEL4_Click();  // the searching level of our own
    void レベル_設定(int level);

    // ---- Influence survey --------------------------------------------------------------------
    Map LowerInfluence{}, UpperInfluence{};
    Map LowerGuard{}, UpperGuard{}, UpperGuardX{}, UpperGuardY{};
    Map LowerAttacker{}, LowerAttackerX{}, LowerAttackerY{};
    Map UpperAttacker{}, UpperAttackerX{}, UpperAttackerY{};
    Map CheckByLower{}, CheckByUpper{};
    Map LowerPinned{};
    int UpperPinFound = NO;

    void 勢力調査();
    void 調査_移動不可駒();

    // ---- Board drawing -----------------------------------------------------------------------
    int BackgroundKind = 0;
    bool FontBold = false;

    void 描画_絵(int code, double x, double y);
    void 描画_桝輪郭(int colour, double x, double y);
    void 描画_盤();
    void 描画_自持盤();
    void 描画_敵持盤();
    void 描画_背景(int kind);
    void 画面_再描画();

    // ---- Status and text display -------------------------------------------------------------
    void 描画_数値(double x, double y, int value, int colour, int mode, int size);
    void 描画_数値(double x, double y, const std::string& value, int colour, int mode, int size);
    void 描画_文字列(double x, double y, int code, int colour, int size);
    void 描画_移動駒種類(double x, double y, const std::string& text, int colour);
    static std::string 文字列変換(int value);
    void 描画_桝_数値();
    void 描画_手数(int n, int colour);
    void 描画_レベル(int level);
    void 描画_移動結果(double x, double y, int tx, int ty, int piece, int colour);
    void 消去_移動結果(double x, double y);
    void 描画_移動可能桝色(int sx, int sy, int piece);
    void 消去_移動指導();

    // ---- Game records ------------------------------------------------------------------------
    std::string RecordLine;
    void 描画_可視(bool drive, bool folder, bool files);
    void 描画_棋譜_IO(int flag);
    void 描画_棋譜読込み部分消去();
    void KIFU_READ_Click();
    void KIFU_WRITE_Click();
    void Command1_Click();                     // RETURN: write the record
    void File1_Click(const std::string& path);  // read the record at path

    // ---- Settings, sound, help ---------------------------------------------------------------
    bool Checked[kMenuCount] = {};  // the menu's check marks
    bool isChecked(Menu item) const { return Checked[static_cast<int>(item)]; }
    void setChecked(Menu item, bool on);

    void 読込_環境設定ファイル();
    void 書込_環境設定ファイル();
    void チェック設定(int kind);
    void 背景_Click(Menu item, int kind);
    void BGM_Click();
    void OPTION_Click();

    std::intptr_t SoundSystem = 0;
    std::intptr_t SoundOther = 0, SoundForbidden = 0, SoundPiece = 0, SoundGameEnd = 0, SoundBgm = 0;
    void サウンド_初期化(std::intptr_t window);
    std::intptr_t サウンド_読込(const std::string& name, int mode);
    void サウンド_終了();
    void サウンド_エラー表示(const std::string& text);
    void 効果音(std::intptr_t buffer) { sound.dsPlay(buffer); }

    std::string HomePage;  // the maker's homepage (a build setting)
    void KAISETU_Click();
    void VER_Click();

    // A bare file name resolved in WorkFolder; a sound or the help page in AssetFolder.
    std::string 作業パス(const std::string& name) const;
    std::string 素材パス(const std::string& name) const;
};

}  // namespace orizen
