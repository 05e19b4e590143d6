#include "game/record_file.h"

#include "game/files.h"
#include "game/game.h"

namespace orizen {

int lenientNumber(std::string_view field) {
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
    };
    skipBlanks();
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
        negative = field[i] == '-';
        ++i;
    }
    long value = 0;
    for (;; ++i) {
        skipBlanks();
        if (i >= field.size() || field[i] < '0' || field[i] > '9') break;
        value = value * 10 + (field[i] - '0');
        if (value > 1000000) break;  // far past any code; keeps the value in range
    }
    return static_cast<int>(negative ? -value : value);
}

std::string formatMoveLine(const RecordMove& m) {
    std::string line;
    auto field = [&line](int value, size_t width) {
        std::string s = std::to_string(value);
        if (s.size() < width) s.append(width - s.size(), ' ');
        line += s;
    };
    field(m.fromX, 2), field(m.fromY, 2), field(m.toX, 2), field(m.toY, 2);
    field(m.result, 4), field(m.piece, 4), field(m.captured, 4);
    return line;
}

bool moveInRange(const RecordMove& m) {
    auto onBoard = [](int v) { return v >= 1 && v <= 27; };
    if (!onBoard(m.toX) || !onBoard(m.toY)) return false;
    if (!isPieceCode(m.piece) || !isPieceCode(m.result)) return false;
    if ((m.piece > 0) != (m.result > 0)) return false;
    if (m.captured != EMPTY && (!isPieceCode(m.captured) || (m.captured > 0) == (m.piece > 0))) return false;
    if (m.fromX == 29) return m.fromY >= 21 && m.fromY <= 27 && m.piece < 0 && m.captured == EMPTY;
    if (m.fromX == -1) return m.fromY >= 1 && m.fromY <= 7 && m.piece > 0 && m.captured == EMPTY;
    return onBoard(m.fromX) && onBoard(m.fromY);
}

RecordFile parseRecord(const std::string& bytes) {
    RecordFile r;
    const std::vector<std::string> lines = splitLines(bytes);
    size_t i = 0;
    for (; i < lines.size() && i < 3; ++i) r.lines[i] = fromCp932(lines[i]);
    r.headerLines = static_cast<int>(i);

    // Blank lines at the very end (an editor's trailing newline) are not moves.
    size_t end = lines.size();
    while (end > i && lines[end - 1].find_first_not_of(" \t") == std::string::npos) --end;

    for (; i < end; ++i) {
        std::string line = lines[i];
        line.erase(line.find_last_not_of(" \t") + 1);
        const int number = static_cast<int>(r.moves.size()) + 1;
        if (number > kRecordMaxMoves) {
            r.problem = "too many moves";
            r.badMove = number;
            break;
        }
        bool wellFormed = line.size() >= 8 && line.size() <= 20;
        for (char c : line)
            if (c != ' ' && c != '-' && (c < '0' || c > '9')) wellFormed = false;
        RecordMove m;
        if (wellFormed) {
            const std::string_view v(line);
            auto at = [&v](size_t pos, size_t width) { return pos < v.size() ? v.substr(pos, width) : std::string_view(); };
            m = {lenientNumber(at(0, 2)), lenientNumber(at(2, 2)), lenientNumber(at(4, 2)), lenientNumber(at(6, 2)),
                 lenientNumber(at(8, 4)), lenientNumber(at(12, 4)), lenientNumber(at(16, 4))};
        }
        if (!wellFormed || !moveInRange(m)) {
            r.problem = "bad move line";
            r.badMove = number;
            break;
        }
        r.moves.push_back(m);
    }
    return r;
}

bool formatRecord(const std::string& name, const std::string& upper, const std::string& lower,
                  const std::vector<RecordMove>& moves, std::string& bytes) {
    bytes.clear();
    for (const std::string* header : {&name, &upper, &lower}) {
        if (header->find_first_of("\r\n") != std::string::npos) return false;
        std::string encoded;
        if (!toCp932(*header, encoded)) return false;
        bytes += encoded;
        bytes += "\r\n";
    }
    for (const RecordMove& m : moves) {
        bytes += formatMoveLine(m);
        bytes += "\r\n";
    }
    return true;
}

}  // namespace orizen
