// Moves as text for the player's aids.
#include "game/move_notes.h"

#include <cstdio>
#include <cstdlib>

namespace orizen {

std::string moveText(int fromX, int toX, int toY, int before, int after) {
    std::string s = Game::文字列変換(28 - toX) + " " + Game::文字列変換(toY);
    s += after != before ? Game::文字列変換(before) + "成" : Game::文字列変換(after);
    if (fromX == 29 || fromX == -1) s += "打";
    return s;
}

std::vector<MoveRow> historyRows(const Game& g) {
    const History& hist = g.moveHistory();
    std::vector<MoveRow> rows;
    const int length = hist.RecordLength < 0 ? 0 : hist.RecordLength > HISTORY_MAX ? HISTORY_MAX : hist.RecordLength;
    rows.reserve(static_cast<std::size_t>(length));
    const bool lowerFirst = hist.RecPiece(1) < 0;
    for (int n = 1; n <= length; ++n)
        rows.push_back(
            MoveRow{n, (hist.RecPiece(n) < 0) == lowerFirst,
                    moveText(hist.RecFromX(n), hist.RecToX(n), hist.RecToY(n), hist.RecPiece(n), hist.RecResult(n))});
    return rows;
}

std::string rowText(const MoveRow& r) {
    const std::string number = std::to_string(r.n);
    std::string text;
    // Figure spaces: as wide as a digit in any font, so the numbers line up.
    for (std::size_t i = number.size(); i < 3; ++i) text += "\u2007";
    text += number + " " + (r.n == 0 ? "\u3000" : r.first ? "▲" : "△") + " " + r.text;
    return text;
}

namespace {

// `pattern` with "%1" replaced by `value`.
std::string filled(std::string pattern, const std::string& value) {
    return pattern.replace(pattern.find("%1"), 2, value);
}

}  // namespace

std::vector<std::string> thinkingLines(const level4::Thinking& t, bool viewerLower, bool lowerFirst, int moves) {
    std::vector<std::string> lines{filled("深さ %1", std::to_string(t.depth))};
    const int score = t.lower == viewerLower ? t.score : -t.score;
    if (std::abs(score) > engine::kMateBound) {
        const std::string plies = std::to_string(engine::kMate - std::abs(score));
        lines.push_back(filled(score > 0 ? "詰み %1手" : "詰まされ %1手", plies));
    } else {
        char pawns[16];
        std::snprintf(pawns, sizeof pawns, "%+.2f", score / 100.0);
        lines.push_back(filled("評価 %1", pawns));
    }
    bool lower = t.lower;
    for (std::size_t i = 0; i < t.line.size() && int(i) < moves; ++i, lower = !lower) {
        const Move& m = t.line[i];
        lines.push_back(std::string(lower == lowerFirst ? "▲ " : "△ ") + moveText(m.fx, m.tx, m.ty, m.before, m.after));
    }
    return lines;
}

bool lowerMovesFirst(const Game& g, bool lowerToMove) {
    const History& h = g.moveHistory();
    return h.RecordLength >= 1 ? h.RecPiece(1) < 0 : lowerToMove;
}

std::string shownLine(Language language, const std::string& line) {
    // The mark is three bytes and a blank.
    const bool move = line.rfind("▲ ", 0) == 0 || line.rfind("△ ", 0) == 0;
    return move ? line.substr(0, 4) + shown(language, line.substr(4)) : shown(language, line);
}

}  // namespace orizen
