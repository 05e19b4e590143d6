#include "autosave.h"

#include <algorithm>

#include "game/files.h"
#include "game/game.h"

namespace orizen {

bool Autosave::check(const Game& g) {
    if (g.state().RecordMode == YES || g.state().Reversed == YES || g.moveHistory().RecordLength < 1) return false;
    const int count = g.moveHistory().RecordLength < HISTORY_MAX ? g.moveHistory().RecordLength : HISTORY_MAX;
    moves_.clear();
    for (int i = 1; i <= count; ++i)
        moves_.push_back({g.moveHistory().RecFromX(i), g.moveHistory().RecFromY(i), g.moveHistory().RecToX(i), g.moveHistory().RecToY(i),
                          g.moveHistory().RecResult(i), g.moveHistory().RecPiece(i), g.moveHistory().RecCaptured(i)});
    const auto same = [](const RecordMove& a, const RecordMove& b) {
        return a.fromX == b.fromX && a.fromY == b.fromY && a.toX == b.toX && a.toY == b.toY &&
               a.result == b.result && a.piece == b.piece && a.captured == b.captured;
    };
    if (moves_.size() == saved_.size() && std::equal(moves_.begin(), moves_.end(), saved_.begin(), same))
        return false;

    const bool computer = g.state().GameMode == MODE_COMPUTER;
    std::string bytes;
    formatRecord("前回の対局", computer ? "コンピュータ" : "上手", computer ? "あなた" : "下手", moves_, bytes);
    if (!writeWholeFile(path_, bytes, error_)) return false;
    error_.clear();
    saved_.swap(moves_);
    return true;
}

}  // namespace orizen
