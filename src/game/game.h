// The whole game: the position and what the computer knows of it (Analysis), the computer's memory
// across turns, the history, the flow of play and every procedure that reads or changes them. One
// object lives as long as the window (or the command-line run); it draws, asks and plays sounds
// only through the platform interfaces it is given. Its state is its own: others read it through
// the const accessors and change it through the procedures, or, to set a game up, through
// arrange(). It is not copied: a search copies only its Analysis and its memory.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "rules/analysis.h"
#include "game/flow.h"
#include "game/history.h"
#include "rules/codes.h"
#include "rules/grid.h"
#include "game/menu.h"
#include "game/settings.h"
#include "game/platform.h"

namespace orizen {

// The person's move being entered: whether a piece is picked up, and the move so far.
struct Selection {
    int SelectState = 0;
    int MoveFromX = 0, MoveFromY = 0, MoveToX = 0, MoveToY = 0, MovePiece = 0;
};

// The sound library's device and the loaded sounds, 0 where none.
struct SoundHandles {
    std::intptr_t SoundSystem = 0;
    std::intptr_t SoundOther = 0, SoundForbidden = 0, SoundPiece = 0, SoundGameEnd = 0, SoundBgm = 0;
};

class Players;

// Where the game's files are, and the page the help menu opens.
struct Locations {
    std::string StartFolder;  // the current folder at start-up
    std::string WorkFolder;   // where bare file names are looked for; empty means the process's
    std::string AssetFolder;  // where the sounds and the help page are; empty means WorkFolder
    std::string HomePage;     // the maker's homepage (a build setting)
};

class Game : private Analysis {
public:
    // The computer plays as `players` choose.
    Game(Canvas& canvas, Host& host, SoundLibrary& sound, Players& players);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // ---- Reading the game --------------------------------------------------------------------
    const Analysis& analysis() const { return *this; }
    const Position& position() const { return pos; }
    const Survey& survey() const { return maps; }
    const Memory& remembered() const { return memory; }
    const TurnWork& turnWork() const { return work; }
    const Options& options() const { return settings; }
    const Settings& preferences() const { return prefs; }
    const History& moveHistory() const { return history; }
    const Selection& selected() const { return selection; }
    const SoundHandles& soundHandles() const { return sounds; }
    const Flow& state() const { return flow; }
    const Locations& locations() const { return places; }
    Players& players() const { return players_; }

    // ---- Arranging a game by hand ------------------------------------------------------------
    // For what sets a game up to play on from (position files, self-play, tools and tests): the
    // state the procedures read, changed between them. Play itself goes through the procedures.
    Analysis& arrange() { return *this; }
    Memory& arrangeMemory() { return memory; }
    Flow& arrangeFlow() { return flow; }
    History& arrangeHistory() { return history; }
    Selection& arrangeSelection() { return selection; }
    // Sets the board and both hands, their totals the sums; the rest stays as it is.
    void setPosition(const Grid<int16_t>& board, const Row<int, 8>& upper, const Row<int, 8>& lower) {
        pos.Board.take(board);
        pos.HandUpper = upper, pos.HandLower = lower;
        pos.UpperHandCount = pos.LowerHandCount = 0;
        for (int i = 1; i <= 7; ++i) pos.UpperHandCount += upper(i), pos.LowerHandCount += lower(i);
    }
    void setFolders(std::string data, std::string assets) {
        places.WorkFolder = std::move(data);
        places.AssetFolder = std::move(assets);
    }
    // Takes on the state of play of `from`: everything but its platform and its players.
    void takeStateOf(const Game& from) {
        static_cast<Analysis&>(*this) = from;
        memory = from.memory;
        flow = from.flow, places = from.places, history = from.history, selection = from.selection;
        prefs = from.prefs;
        RecordLine = from.RecordLine;
    }

    // The survey and the computer's mate test on the game's own position: both record the squares
    // of the upper guards and attackers they find in the game's memory.
    void 勢力調査() { Analysis::勢力調査(memory); }
    int 詰めかCOM() { return Analysis::詰めかCOM(memory); }

    // The rules, check and mate and the evaluation's parts, on the game's own position.
    using Analysis::移動チェック;
    using Analysis::移動チェック飛車;
    using Analysis::移動チェック角;
    using Analysis::調査_駒成;
    using Analysis::調査_2歩フラグ設定;
    using Analysis::移動後チェック;
    using Analysis::取得_駒移動座標;
    using Analysis::詰めかMAN_COM移動;
    using Analysis::詰めかMAN;
    using Analysis::調査_自王逃道;
    using Analysis::調査_移動不可駒;
    using Analysis::盤評価_COM危険座標;
    using Analysis::盤評価_自角注意_COM;
    using Analysis::調査_移動可場所数;
    using Analysis::調査_桂狙い;
    using Analysis::調査_香狙い;
    using Analysis::調査_自守駒MAN_直進駒;
    using Analysis::調査_持角狙座標;
    using Analysis::調査_周辺状況;

    // ---- Start and end -----------------------------------------------------------------------
    void 初期設定();
    void Form_Load();
    void 終了処理();
    void Form_Unload();

    // ---- Making a move -----------------------------------------------------------------------
    void 駒移動(int sx, int sy, int tx, int ty, int piece);
    void 駒取得(int captured);  // a captured king ends the game
    void drawMove(int sx, int sy, int tx, int ty, int piece, int captured) const;
    static int 取得_打駒座標X(int piece);
    static int 取得_打駒座標Y(int piece);

    // ---- Check and mate ----------------------------------------------------------------------
    void 終了(const std::string& winner);

    // ---- Game flow and mouse input -----------------------------------------------------------

    void Form_MouseDown(int button, int shift, double X, double Y);
    void TAIKYOKU_Click();
    void STOP_Click();
    void START_Click();
    void SENTE_Click();
    void GOTE_Click();
    void SIDOU_Click();
    void OWARI_Click();
    void putBackSelection();  // the piece picked up is put back: no selection, no guidance
    void 再開();  // resume a paused game (the "OKですか？" branch of a click)
    void 指し手確定(int button);  // commit the selected move (the last step of a click)
    // 指し手確定 short of the computer's answer: YES when com_ban is to answer the move.
    int 指し手反映(int button);

    // ---- Move history ------------------------------------------------------------------------

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

    using Choice = orizen::Choice;
    using ScoredMove = orizen::ScoredMove;
    using CandidateSink = orizen::CandidateSink;

    void com_ban();
    // Steps 8 to 11 of the computer's turn: plays c (found) or gives the game up (not found).
    void com_ban着手(const Choice& c);
    // Steps 2 to 7 of the computer's turn at levels 1 to 3 and the choice of step 8, without drawing
    // or moving.
    Choice 探索(CandidateSink sink = nullptr, void* context = nullptr);

    // ---- Strength levels ---------------------------------------------------------------------
    // LEVEL1_Click to LEVEL3_Click, and LEVEL4 (the searching level of our own): the menu's level
    // items, `level` 1 to 4.
    void LEVEL_Click(int level);
    void レベル_設定(int level);

    // ---- Board drawing -----------------------------------------------------------------------

    void 描画_絵(int code, double x, double y) const;
    void 描画_桝輪郭(int colour, double x, double y) const;
    void 描画_盤() const;
    void 描画_自持盤() const;
    void 描画_敵持盤() const;
    void 描画_背景(int kind) const;
    void 画面_再描画() const;

    // ---- Status and text display -------------------------------------------------------------
    void 描画_数値(double x, double y, int value, int colour, int mode, int size) const;
    void 描画_数値(double x, double y, const std::string& value, int colour, int mode, int size) const;
    void 描画_文字列(double x, double y, int code, int colour, int size) const;
    void 描画_移動駒種類(double x, double y, const std::string& text, int colour) const;
    static std::string 文字列変換(int value);
    void 描画_桝_数値() const;
    void 描画_手数(int n, int colour) const;
    void 描画_レベル(int level) const;
    void 描画_移動結果(double x, double y, int tx, int ty, int piece, int colour) const;
    void 消去_移動結果(double x, double y) const;
    void 描画_移動可能桝色(int sx, int sy, int piece) const;
    void 消去_移動指導() const;

    // ---- Game records ------------------------------------------------------------------------
    void 描画_可視(bool drive, bool folder, bool files) const;
    void 描画_棋譜_IO(int flag) const;
    void 描画_棋譜読込み部分消去() const;
    void KIFU_READ_Click();
    void KIFU_WRITE_Click();
    void Command1_Click();                     // RETURN: write the record
    void File1_Click(const std::string& path);  // read the record at path

    // ---- Settings, sound, help ---------------------------------------------------------------
    // The menu's marks mirror the settings: setting a mark sets the option it stands for.
    bool isChecked(Menu item) const { return prefs.marked(item); }
    void setChecked(Menu item, bool on);

    void 読込_環境設定ファイル();
    void applySetting(const SettingLine& line);  // one line of the settings file
    void 書込_環境設定ファイル();
    void チェック設定(int kind);
    void 背景_Click(Menu item, int kind);
    void BGM_Click();
    void OPTION_Click();

    void サウンド_初期化(std::intptr_t window);
    std::intptr_t サウンド_読込(const std::string& name, int mode);
    void サウンド_終了();
    void サウンド_エラー表示(const std::string& text);
    void 効果音(std::intptr_t buffer) { sound.dsPlay(buffer); }
    void playMusic() { sound.dsPlayLooping(sounds.SoundBgm); }

    void KAISETU_Click();
    void VER_Click();

    // A bare file name resolved in WorkFolder; a sound or the help page in AssetFolder.
    std::string 作業パス(const std::string& name) const;
    std::string 素材パス(const std::string& name) const;

private:
    Canvas& canvas;
    Host& host;
    SoundLibrary& sound;
    Players& players_;

    Memory memory;          // what the computer's surveys recorded, kept from turn to turn
    Flow flow;              // whose turn, the mode and the result
    Locations places;       // where the files are
    History history;        // the moves played, to step back and forth through
    Selection selection;    // the person's move being entered
    SoundHandles sounds;    // the loaded sounds
    Settings prefs;         // the options the menus mark and the settings file keeps
    std::string RecordLine;
    // Whether texts are drawn bold: the window's font, which drawing the board's numbers makes
    // bold for good. Drawing changes nothing else.
    mutable bool FontBold = false;
};

}  // namespace orizen
