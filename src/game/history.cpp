// Move history: storing moves, stepping back and forward, starting afresh, reversing the board.
#include <utility>

#include "game/game.h"

namespace orizen {

namespace {

constexpr const char* kUnfitText = "棋譜のデータが正しくありません";

// A piece as it can stand in a hand: pawn .. rook, unpromoted.
inline bool handPiece(int code) {
    const int a = code < 0 ? -code : code;
    return a == 30 || a == 40 || a == 50 || a == 100 || a == 110 || a == 800 || a == 900;
}

inline bool promotable(int code) { return handPiece(code) && code != 110 && code != -110; }

}  // namespace

bool History::store(const Position& p, int sx, int sy, int tx, int ty, int before, int after) {
    // Never past the last entry, never a destination the board cannot be read at.
    if (RecordCount < 0 || RecordCount >= HISTORY_MAX || !onBoard(tx, ty)) return false;
    RecordCount = RecordCount + 1;
    const int n = RecordCount;
    RecFromX(n) = sx;
    RecFromY(n) = sy;
    RecToX(n) = tx;
    RecToY(n) = ty;
    RecPiece(n) = before;
    RecResult(n) = after;
    RecCaptured(n) = p.Board(tx, ty);
    RecordLength = RecordCount;  // a new move ends what could have been stepped into
    return true;
}

int History::fits(const Position& p, int n, bool forward) const {
    if (n < 1 || n > HISTORY_MAX) return NO;
    const int fx = RecFromX(n), fy = RecFromY(n), tx = RecToX(n), ty = RecToY(n);
    const int piece = RecPiece(n), result = RecResult(n), captured = RecCaptured(n);
    if (!onBoard(tx, ty) || !isPieceCode(piece) || !isPieceCode(result)) return NO;
    const bool lower = piece < 0;
    if (result != piece && !(promotable(piece) && result == (lower ? piece - 1 : piece + 1))) return NO;
    if (captured != EMPTY && (!isPieceCode(captured) || (captured < 0) == lower)) return NO;

    const bool drop = fx == 29 || fx == -1;
    if (drop) {
        // The slot row of a drop is not looked at: the kind comes from the piece.
        if ((fx == 29) != lower || !handPiece(piece) || result != piece || captured != EMPTY) return NO;
    } else if (!onBoard(fx, fy) || (fx == tx && fy == ty)) {
        return NO;
    }

    const Row<int, 8>& hand = lower ? p.HandLower : p.HandUpper;
    const int total = lower ? p.LowerHandCount : p.UpperHandCount;
    if (forward) {
        if (p.Board(tx, ty) != captured) return NO;
        if (drop) return hand(kindOf(piece)) >= 1 && total >= 1 ? YES : NO;
        return p.Board(fx, fy) == piece ? YES : NO;
    }
    if (p.Board(tx, ty) != result) return NO;
    if (!drop && p.Board(fx, fy) != EMPTY) return NO;
    if (captured != EMPTY) {
        // The captor gives the piece back; a king only ever counted in the total.
        if (total < 1) return NO;
        if (captured != 950 && captured != -950 && hand(kindOf(captured)) < 1) return NO;
    }
    return YES;
}

bool Game::手順保存(int sx, int sy, int tx, int ty, int before, int after) {
    return history.store(pos, sx, sy, tx, ty, before, after);
}

int Game::調査_手順適合(int n, bool forward) const { return history.fits(pos, n, forward); }

void Game::REPLAY_Click() {
    if (flow.Ended) return;
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    if (history.RecordCount < 1) {
        効果音(sounds.SoundForbidden);
        host.message("できません", "戻る", Buttons::Ok);
        return;
    }
    const int n = history.RecordCount;
    if (調査_手順適合(n, false) == NO) {
        効果音(sounds.SoundForbidden);
        host.message(kUnfitText, "戻る", Buttons::Ok);
        return;
    }
    selection.SelectState = 0;
    消去_移動指導();

    const int fx = history.RecFromX(n), fy = history.RecFromY(n), tx = history.RecToX(n), ty = history.RecToY(n);
    const int piece = history.RecPiece(n), result = history.RecResult(n), captured = history.RecCaptured(n);
    const bool lower = piece < 0;
    Row<int, 8>& hand = lower ? pos.HandLower : pos.HandUpper;
    int& total = lower ? pos.LowerHandCount : pos.UpperHandCount;

    if (fx != 29 && fx != -1) {
        pos.Board(fx, fy) = static_cast<int16_t>(piece);
        描画_絵(piece, fx, fy);
        描画_桝輪郭(settings.BackColourIndex, fx, fy);
    } else {
        hand(kindOf(result)) = hand(kindOf(result)) + 1;
        total = total + 1;
    }
    if (captured != EMPTY) {
        if (captured != 950 && captured != -950) hand(kindOf(captured)) = hand(kindOf(captured)) - 1;
        total = total - 1;
    }
    pos.Board(tx, ty) = static_cast<int16_t>(captured);
    描画_自持盤();
    描画_敵持盤();
    描画_絵(EMPTY, tx, ty);
    if (captured != EMPTY) 描画_絵(captured, tx, ty);
    描画_桝輪郭(settings.BackColourIndex, tx, ty);

    効果音(sounds.SoundPiece);
    消去_移動結果(取得_打駒座標X(piece), 取得_打駒座標Y(piece));
    if (lower) 描画_桝輪郭(settings.BackColourIndex, -1, 7);

    flow.Turn = NO_GAME;
    history.RecordCount = history.RecordCount - 1;
    flow.MoveNumber = flow.MoveNumber - 1;
    描画_手数(flow.MoveNumber, COLOUR_WHITE);
}

void Game::AFTER_Click() {
    if (flow.Ended) return;
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    if (history.RecordCount >= history.RecordLength) {
        if (flow.RecordMode == YES) {
            host.message("終わり", "進む", Buttons::Ok);
        } else {
            効果音(sounds.SoundForbidden);
            host.message("できません", "進む", Buttons::Ok);
        }
        return;
    }
    if (調査_手順適合(history.RecordCount + 1, true) == NO) {
        効果音(sounds.SoundForbidden);
        host.message(kUnfitText, "進む", Buttons::Ok);
        return;
    }
    selection.SelectState = 0;
    消去_移動指導();
    history.RecordCount = history.RecordCount + 1;
    flow.MoveNumber = flow.MoveNumber + 1;
    描画_手数(flow.MoveNumber, COLOUR_WHITE);

    const int n = history.RecordCount;
    const int fx = history.RecFromX(n), fy = history.RecFromY(n), tx = history.RecToX(n), ty = history.RecToY(n);
    const int piece = history.RecPiece(n), result = history.RecResult(n), captured = history.RecCaptured(n);
    const bool lower = piece < 0;
    Row<int, 8>& hand = lower ? pos.HandLower : pos.HandUpper;
    int& total = lower ? pos.LowerHandCount : pos.UpperHandCount;
    const bool drop = fx == 29 || fx == -1;

    if (!drop) {
        pos.Board(fx, fy) = EMPTY;
    } else {
        hand(kindOf(result)) = hand(kindOf(result)) - 1;
        total = total - 1;
    }
    pos.Board(tx, ty) = static_cast<int16_t>(result);
    if (captured != EMPTY) {
        if (captured != 950 && captured != -950) hand(kindOf(captured)) = hand(kindOf(captured)) + 1;
        total = total + 1;
    }

    if (!drop) {
        描画_絵(EMPTY, fx, fy);
        描画_桝輪郭(settings.BackColourIndex, fx, fy);
    }
    描画_絵(result, tx, ty);
    描画_桝輪郭(settings.BackColourIndex, tx, ty);
    描画_自持盤();
    描画_敵持盤();
    効果音(sounds.SoundPiece);

    if (result > 0)
        描画_移動結果(UpperResultX, UpperResultY, tx, ty, result, ResultColour);
    else
        描画_移動結果(LowerResultX, LowerResultY, tx, ty, result, ResultColour);

    flow.Turn = NO_GAME;
    描画_手数(flow.MoveNumber, COLOUR_WHITE);
}

void Game::CANCEL_Click() {
    if (flow.Ended) return;
    Form_Load();
    効果音(sounds.SoundPiece);
    flow.Turn = NO_GAME;
    flow.Winner = NO_GAME;
}

void Game::REVERSE_Click() {
    if (flow.Ended) return;
    if (flow.RecordMode == YES) {
        効果音(sounds.SoundForbidden);
        host.message("棋譜ﾓｰﾄﾞではできません", "反転", Buttons::Ok);
        return;
    }
    flow.Reversed = YES;
    selection.SelectState = 0;

    const Cells before = pos.Board;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            pos.Board(28 - x, 28 - y) = static_cast<int16_t>(-before(x, y));
    for (int i = 1; i <= 7; ++i) std::swap(pos.HandLower(i), pos.HandUpper(i));
    std::swap(pos.LowerHandCount, pos.UpperHandCount);

    画面_再描画();
    描画_手数(flow.MoveNumber, COLOUR_WHITE);
    効果音(sounds.SoundPiece);

    history.RecordCount = 0;  // the history no longer fits the board
    history.RecordLength = 0;
}

}  // namespace orizen
