// The record panel: writing the game to a record file and reading one back for replay.
#include <algorithm>

#include "game/files.h"
#include "game/game.h"
#include "game/record_file.h"

namespace orizen {

void Game::描画_可視(bool drive, bool folder, bool files) const { host.showPanelLists(drive, folder, files); }

void Game::描画_棋譜_IO(int flag) const { host.showPanelFields(flag == 0); }

void Game::描画_棋譜読込み部分消去() const {
    描画_桝_数値();
    描画_絵(settings.BackgroundKind, -1, 28);
    描画_絵(settings.BackgroundKind, 0, 10);
    for (int i = 1; i <= 27; ++i) {
        描画_絵(settings.BackgroundKind, i, 28);
        描画_桝輪郭(settings.BackColourIndex, i, 9);
    }
}

void Game::KIFU_READ_Click() {
    描画_可視(true, true, true);
    描画_棋譜_IO(1);
}

void Game::KIFU_WRITE_Click() {
    if (flow.Reversed == YES) {
        host.message("反転後は書き込みできません", "棋譜書込", Buttons::Ok);
        return;
    }
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
}

namespace {

// A name the file system takes as one plain file name in the chosen folder.
bool plainFileName(const std::string& name) {
    return name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos && name.size() + 3 * 3 <= 255;
}

}  // namespace

void Game::Command1_Click() {
    const std::string fileName = host.panelField(1);
    if (fileName.empty()) {
        host.message("ﾌｧｲﾙ名が入力されていません", "  ", Buttons::Ok);
        return;
    }
    if (history.RecordCount < 1) {
        host.message("保存するデータがありません", "棋譜保存", Buttons::Ok);
        return;
    }
    if (!plainFileName(fileName)) {
        host.message("このファイル名は使えません", "棋譜保存", Buttons::Ok);
        return;
    }
    const std::string first = host.panelField(3), second = host.panelField(4);
    const bool lowerFirst = flow.HumanSide == TURN_FIRST;
    std::vector<RecordMove> moves;
    const int count = history.RecordCount < HISTORY_MAX ? history.RecordCount : HISTORY_MAX;
    for (int i = 1; i <= count; ++i)
        moves.push_back({history.RecFromX(i), history.RecFromY(i), history.RecToX(i), history.RecToY(i),
                         history.RecResult(i), history.RecPiece(i), history.RecCaptured(i)});
    std::string bytes;
    if (!formatRecord(host.panelField(2), lowerFirst ? second : first, lowerFirst ? first : second, moves, bytes)) {
        host.message("棋譜ファイルに書けない文字が名前に含まれています", "棋譜保存", Buttons::Ok);
        return;
    }
    const std::string chosen = host.panelFolder();
    const std::string folder = chosen.empty() ? std::string(".") : chosen;
    std::string error;
    if (!writeWholeFile(folder + "/" + fileName + ".棋譜", bytes, error)) {
        host.message("棋譜を書き込めませんでした（" + error + "）", "棋譜保存", Buttons::Ok);
        return;
    }
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    host.refreshPanelFiles();
    host.message("棋譜を書き込みました", "  ", Buttons::Ok);
}

void storeRecord(History& h, const RecordFile& record) {
    // The reader never gives more than the history holds; the bound is kept here all the same.
    const int count = std::min(static_cast<int>(record.moves.size()), HISTORY_MAX);
    for (int n = 1; n <= count; ++n) {
        const RecordMove& m = record.moves[n - 1];
        h.RecFromX(n) = m.fromX, h.RecFromY(n) = m.fromY, h.RecToX(n) = m.toX, h.RecToY(n) = m.toY;
        h.RecResult(n) = m.result, h.RecPiece(n) = m.piece, h.RecCaptured(n) = m.captured;
    }
    h.RecordCount = 0;
    h.RecordLength = count;
}

void Game::File1_Click(const std::string& path) {
    描画_可視(false, false, false);
    std::string bytes, error;
    if (!readWholeFile(path, kRecordMaxBytes, bytes, error)) {
        // Nothing has changed yet: the game on the board stays as it was.
        host.message("棋譜ファイルを読み込めません（" + error + "）", "棋譜", Buttons::Ok);
        return;
    }
    const RecordFile record = parseRecord(bytes);

    Form_Load();
    flow.RecordMode = YES;

    // A header line that is missing leaves the previous text in RecordLine, which is printed again.
    static constexpr double kHeaderAt[3][2] = {{800, 6350}, {3700, 100}, {3700, 6350}};
    for (int i = 0; i < 3; ++i) {
        if (i < record.headerLines) RecordLine = record.lines[i];
        canvas.text(kHeaderAt[i][0], kHeaderAt[i][1], RecordLine, COLOUR_WHITE, 12, FontBold);
    }

    storeRecord(history, record);
    flow.MoveNumber = 0;
    const int count = history.RecordLength;
    canvas.refresh();

    if (!record.problem.empty()) {
        const std::string kept = std::to_string(record.badMove - 1);
        if (record.problem == "too many moves")
            host.message("棋譜が500手を超えています。500手目までを読み込みました", "棋譜", Buttons::Ok);
        else
            host.message("棋譜ファイルの" + std::to_string(record.badMove) + "手目が正しくありません。" + kept +
                             "手目までを読み込みました",
                         "棋譜", Buttons::Ok);
    }
    if (count == 0) {
        host.message("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜", Buttons::Ok);
    } else {
        host.message(" 読み込みました", "棋譜", Buttons::Ok);
        host.message("棋譜を '進 'で進めて下さい", "棋譜", Buttons::Ok);
    }
}

}  // namespace orizen
