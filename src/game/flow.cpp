// Game flow: starting games, mouse input, committing the person's move.
#include <cmath>

#include "game/game.h"

namespace orizen {

void Game::TAIKYOKU_Click() {
    if (flow.Ended) return;
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

void Game::STOP_Click() {
    if (flow.Ended) return;
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

void Game::START_Click() {
    if (flow.Ended) return;
    描画_棋譜読込み部分消去();
    // The level is not shown in a game between two people.
    描画_絵(settings.BackgroundKind, -2, 0);
    描画_絵(settings.BackgroundKind, -1, 0);
    描画_絵(settings.BackgroundKind, 0, 0);
    flow.HumanSide = TURN_FIRST;
    flow.OtherSide = TURN_SECOND;
    flow.Turn = flow.HumanSide;
    flow.GameMode = MODE_HUMAN;
    host.message("先手の番です", " ", Buttons::Ok);
}

void Game::SENTE_Click() {
    if (flow.Ended) return;
    描画_棋譜読込み部分消去();
    描画_レベル(settings.ComputerLevel);
    host.message("あなたの番です", " ", Buttons::Ok);
    selection.SelectState = 0;
    flow.HumanSide = TURN_FIRST;
    flow.OtherSide = TURN_SECOND;
    flow.Turn = TURN_FIRST;
    flow.GameMode = MODE_COMPUTER;
    flow.RecordMode = NO;
}

void Game::GOTE_Click() {
    if (flow.Ended) return;
    描画_棋譜読込み部分消去();
    描画_レベル(settings.ComputerLevel);
    selection.SelectState = 0;
    flow.HumanSide = TURN_SECOND;
    flow.OtherSide = TURN_FIRST;
    flow.Turn = TURN_FIRST;
    flow.GameMode = MODE_COMPUTER;
    flow.RecordMode = NO;
    com_ban();  // the computer moves first and hands the turn over
}

void Game::SIDOU_Click() {
    if (flow.Ended) return;
    if (isChecked(Menu::SIDOU)) {
        消去_移動指導();
        setChecked(Menu::SIDOU, false);
        settings.GuidanceColour = settings.GuidanceOffColour;
    } else {
        setChecked(Menu::SIDOU, true);
        settings.GuidanceColour = COLOUR_WHITE;
    }
    書込_環境設定ファイル();
}

void Game::putBackSelection() {
    if (selection.SelectState != 1) return;
    selection.SelectState = 0;
    消去_移動指導();
}

void Game::再開() {
    host.message("OKですか？", "再開", Buttons::Ok);
    const int last =
        history.RecordCount >= 1 && history.RecordCount <= HISTORY_MAX ? history.RecResult(history.RecordCount) : EMPTY;
    if (last > -30) {
        flow.Turn = flow.HumanSide;  // the upper side moved last
    } else if (flow.GameMode == MODE_COMPUTER) {
        com_ban();
        // The computer may have ended the game: the board is then reset, or the program ends.
        if (!flow.Ended && flow.GameMode == MODE_COMPUTER) flow.Turn = flow.HumanSide;
    } else if (flow.GameMode == MODE_HUMAN) {
        flow.Turn = flow.OtherSide;
    }
}

void Game::Form_MouseDown(int button, int, double X, double Y) {
    if (flow.Ended) return;
    描画_可視(false, false, false);
    描画_棋譜_IO(1);

    if (flow.Turn == NO_GAME) {
        if (flow.RecordMode == YES) {
            if (host.message("棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo) == Answer::No) {
                Form_Load();
                効果音(sounds.SoundPiece);
            }
        } else if (history.RecordCount == 0 || (flow.GameMode != MODE_HUMAN && flow.GameMode != MODE_COMPUTER)) {
            // Moves stepped into after "play again" belong to no game: there is none to resume.
            効果音(sounds.SoundForbidden);
            host.message("「対局」で始めて下さい", "開始", Buttons::Ok);
        } else {
            再開();
        }
        return;
    }

    const int x = static_cast<int>(std::floor((X - BoardLeft) / SquareWidth));
    const int y = static_cast<int>(std::floor((Y - BoardTop) / SquareHeight));
    const bool lowerToMove = flow.Turn == flow.HumanSide;
    const auto own = [&](int code) { return lowerToMove ? code <= -30 : code >= 30; };

    if (x >= 1 && x <= BoardSize && y >= 1 && y <= BoardSize) {
        const int code = pos.Board(x, y);
        if (selection.SelectState == 0) {
            if (code == EMPTY) {
                消去_移動指導();
                return;
            }
            selection.MoveFromX = x, selection.MoveFromY = y;
            selection.MovePiece = code;
            描画_移動可能桝色(x, y, code);
            if (own(code)) {
                selection.SelectState = 1;
                描画_桝輪郭(COLOUR_SELECT, x, y);
            } else {
                // The opponent's piece: show where it could go, select nothing.
                描画_桝輪郭(settings.GuidanceColour, x, y);
            }
            return;
        }

        selection.MoveToX = x, selection.MoveToY = y;
        if (own(code)) {
            selection.MoveFromX = x, selection.MoveFromY = y;
            selection.MovePiece = code;
            描画_移動可能桝色(x, y, code);
            描画_桝輪郭(COLOUR_SELECT, x, y);
            return;
        }
        if (!own(selection.MovePiece) || 移動チェック(selection.MoveFromX, selection.MoveFromY, selection.MoveToX,
                                                      selection.MoveToY, selection.MovePiece) == NO) {
            効果音(sounds.SoundForbidden);
            消去_移動指導();
            selection.SelectState = 0;
            return;
        }
        // Any button but the right one makes the plain move, so it must be able to move again.
        if (button != RIGHT_BUTTON && 移動後チェック(selection.MoveToY, selection.MovePiece) == NO) {
            効果音(sounds.SoundForbidden);
            host.message("マウスの右をクリックして下さい", "成り", Buttons::Ok);
            return;
        }
        指し手確定(button);
        return;
    }

    描画_移動可能桝色(selection.MoveFromX, selection.MoveFromY, selection.MovePiece);
    描画_桝輪郭(settings.GuidanceOffColour, selection.MoveFromX, selection.MoveFromY);
    調査_2歩フラグ設定();

    if (x == 29 && y >= 21 && y <= 27) {
        const int k = y - 20;
        if (pos.HandLower(k) <= 0) {
            消去_移動指導();
            return;
        }
        selection.MoveFromX = 29, selection.MoveFromY = y;
        selection.MovePiece = -kHandCode[k];
        selection.SelectState = 1;
        描画_移動可能桝色(selection.MoveFromX, selection.MoveFromY, selection.MovePiece);
        描画_桝輪郭(COLOUR_SELECT, x, y);
    } else if (x == -1 && y >= 1 && y <= 7) {
        const int k = 8 - y;
        if (pos.HandUpper(k) <= 0) {
            消去_移動指導();
            return;
        }
        selection.SelectState = 1;
        selection.MoveFromX = -1, selection.MoveFromY = y;
        selection.MovePiece = kHandCode[k];
        描画_移動可能桝色(selection.MoveFromX, selection.MoveFromY, selection.MovePiece);
        描画_桝輪郭(flow.Turn == flow.OtherSide ? COLOUR_SELECT : settings.GuidanceColour, x, y);
    }
}

void Game::指し手確定(int button) {
    if (指し手反映(button) == YES) com_ban();
}

int Game::指し手反映(int button) {
    if (!手順保存(selection.MoveFromX, selection.MoveFromY, selection.MoveToX, selection.MoveToY, selection.MovePiece,
                  pos.Board(selection.MoveToX, selection.MoveToY))) {
        効果音(sounds.SoundForbidden);
        消去_移動指導();
        selection.SelectState = 0;
        host.message(kHistoryFullText, kHistoryFullTitle, Buttons::Ok);
        return NO;
    }
    flow.MoveNumber = flow.MoveNumber + 1;
    描画_手数(flow.MoveNumber, COLOUR_WHITE);

    if (調査_駒成(selection.MoveFromX, selection.MoveFromY, selection.MoveToX, selection.MoveToY,
                  selection.MovePiece) == YES &&
        button == RIGHT_BUTTON)
        selection.MovePiece = work.PromotedCode;
    history.RecResult(history.RecordCount) = selection.MovePiece;

    selection.SelectState = 0;
    消去_移動指導();
    if (selection.MoveFromX == -1) selection.MoveFromY = 8 - selection.MoveFromY;  // slot row to kind index

    const int captured = pos.Board(selection.MoveToX, selection.MoveToY);
    駒移動(selection.MoveFromX, selection.MoveFromY, selection.MoveToX, selection.MoveToY, selection.MovePiece);
    描画_移動結果(取得_打駒座標X(selection.MovePiece), 取得_打駒座標Y(selection.MovePiece), selection.MoveToX,
                  selection.MoveToY, selection.MovePiece, ResultColour);
    効果音(sounds.SoundPiece);

    if (flow.GameMode == MODE_COMPUTER) {
        勢力調査();
        if (詰めかCOM() == YES || captured == 950) {
            終了("あなた");
            return NO;
        }
        return flow.Winner == NO_GAME ? YES : NO;
    }
    if (flow.GameMode == MODE_HUMAN) {
        if (flow.Winner == flow.HumanSide)
            終了("先手");
        else if (flow.Winner == flow.OtherSide)
            終了("後手");
        if (flow.Ended) return NO;
        if (flow.Turn == TURN_FIRST)
            flow.Turn = TURN_SECOND;
        else if (flow.Turn == TURN_SECOND)
            flow.Turn = TURN_FIRST;
    }
    return NO;
}

}  // namespace orizen
