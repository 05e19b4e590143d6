// What the computer's procedures read and write: the position, its influence survey, the turn in
// progress and the options. Plain data with the rules, the survey and the evaluation; a search
// thread works on a copy of its own. The memory kept from turn to turn (Memory) is the game's: the
// survey, the computer's mate test and the evaluation are given it.
#pragma once

#include <cstdint>

#include "rules/codes.h"
#include "rules/grid.h"
#include "rules/pieces.h"
#include "rules/position.h"

namespace orizen {

namespace search {
struct Quick;
}

// What the influence survey finds, all of it rewritten by each survey.
struct Survey {
    Map LowerInfluence{}, UpperInfluence{};
    Map LowerGuard{}, UpperGuard{};
    Map LowerAttacker{}, LowerAttackerX{}, LowerAttackerY{};
    Map UpperAttacker{};
    Map CheckByLower{}, CheckByUpper{};
    Map LowerPinned{};
    int UpperPinFound = NO;
};

// The squares of the upper guards and attackers, written by a survey only where it finds one and
// never cleared: the computer's only memory from one turn to the next. The game keeps it; a search
// thread works on a copy of its own.
struct Memory {
    Map UpperGuardX{}, UpperGuardY{}, UpperAttackerX{}, UpperAttackerY{};
    bool operator==(const Memory&) const = default;
};

// The computer's turn in progress: the position before its move and what the candidates set.
struct TurnWork {
    double BestScore = -99999;
    Cells BoardBefore;
    Map LowerInfluenceBefore{}, UpperInfluenceBefore{}, UpperAttackerXBefore{}, UpperAttackerYBefore{};
    int UpperHandCountBefore = 0;
    int LowerKingEscapes = 0;
    int CandidatePiece = 0;
    int MoverKingDistance = 0;
    Map BishopTargets{};
    int PromotedCode = 0;
};

// The options in effect: the level the computer plays at, the colours and the background drawn.
struct Options {
    int ComputerLevel = 3;
    int BackColourIndex = COLOUR_GREEN;
    int GuidanceColour = COLOUR_WHITE;
    int GuidanceOffColour = COLOUR_GREEN;
    int BackgroundKind = 0;
};

// A move from (fx, fy) to (tx, ty), the piece's code before and after it (promoted or not). An
// upper drop comes from (-1, kind), a lower one from (29, 20 + kind); codes are signed as on the
// board.
struct Move {
    int fx = 0, fy = 0, tx = 0, ty = 0, before = 0, after = 0;
    bool operator==(const Move&) const = default;
};

// The move a search chose (when found) and its score.
struct Choice {
    bool found = false;
    Move move;
    double score = -99999;
};
// A move with its score: a candidate as the search scores it, or a player's choice for a side.
struct ScoredMove {
    Move move;
    double score = 0;
};
using CandidateSink = void (*)(void* context, const ScoredMove& c);

class Analysis {
public:
    Position pos;       // the board, the hands and the kings
    Survey maps;        // the influence survey of the position
    TurnWork work;      // the computer's turn in progress
    Options settings;   // the options in effect

    // ---- Movement rules ----------------------------------------------------------------------
    int 移動チェック(int sx, int sy, int tx, int ty, int piece) const;
    int 移動チェック飛車(int sx, int sy, int tx, int ty) const;
    int 移動チェック角(int sx, int sy, int tx, int ty) const;
    int 調査_駒成(int sx, int sy, int tx, int ty, int piece);
    void 調査_2歩フラグ設定();
    static int 移動後チェック(int ty, int piece);
    // The squares a piece's move from (x, y) can reach at most, within the board.
    static void 取得_駒移動座標(int piece, int x, int y, int& x1, int& x2, int& y1, int& y2);

    // ---- Check and mate ----------------------------------------------------------------------
    int 詰めかMAN_COM移動();
    int 詰めかMAN();
    int 詰めかCOM(Memory& memory);  // its trial surveys write the memory as any survey does
    int 調査_自王逃道() const;

    // ---- Influence survey --------------------------------------------------------------------
    // Records the squares of the upper guards and attackers it finds in `memory`.
    void 勢力調査(Memory& memory);
    void 調査_移動不可駒();

    // ---- Board evaluation, danger squares, positional surveys --------------------------------
    // Reads the squares of the upper guards in `memory`. With `quick`, during a search: the danger
    // scan redoes only what the candidate changed.
    double 盤評価(const Memory& memory, int captured, int placed, int sx, int sy, int tx, int ty,
                  const search::Quick* quick = nullptr);
    double 盤評価_COM危険座標(int placed, int tx, int ty, const search::Quick* quick = nullptr);
    int 盤評価_自角注意_COM(int tx, int ty, int placed);
    int 調査_移動可場所数(int x, int y, int piece) const;
    int 調査_桂狙い(int tx, int ty) const;
    int 調査_香狙い(int tx, int ty) const;
    int 調査_自守駒MAN_直進駒(int x, int y);
    void 調査_持角狙座標();
    int 調査_周辺状況(int x, int y) const;
};

}  // namespace orizen
