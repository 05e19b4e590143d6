#include "game/autosave.h"

#include <algorithm>

#include "game/files.h"

namespace orizen {

bool Autosave::check(const History& hist, const Flow& flow) {
    if (flow.RecordMode == YES || flow.Reversed == YES || hist.RecordLength < 1) return false;
    const int count = hist.RecordLength < HISTORY_MAX ? hist.RecordLength : HISTORY_MAX;
    moves_.clear();
    for (int i = 1; i <= count; ++i)
        moves_.push_back({hist.RecFromX(i), hist.RecFromY(i), hist.RecToX(i), hist.RecToY(i), hist.RecResult(i),
                          hist.RecPiece(i), hist.RecCaptured(i)});
    const auto same = [](const RecordMove& a, const RecordMove& b) {
        return a.fromX == b.fromX && a.fromY == b.fromY && a.toX == b.toX && a.toY == b.toY &&
               a.result == b.result && a.piece == b.piece && a.captured == b.captured;
    };
    if (moves_.size() == saved_.size() && std::equal(moves_.begin(), moves_.end(), saved_.begin(), same))
        return false;

    const bool computer = flow.GameMode == MODE_COMPUTER;
    std::string bytes;
    formatRecord("前回の対局", computer ? "コンピュータ" : "上手", computer ? "あなた" : "下手", moves_, bytes);
    if (!writeWholeFile(path_, bytes, error_)) return false;
    error_.clear();
    saved_.swap(moves_);
    return true;
}

}  // namespace orizen
