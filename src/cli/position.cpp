// The position-file parser. Every number is checked before it is stored, and rows are stored only
// once they are known to hold exactly 27 codes, so nothing lands outside the board.
#include "cli/position.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

#include "game/headless.h"

namespace orizen::cli {

namespace {

std::vector<std::string_view> tokens(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

// A plain decimal integer with an optional minus sign. Values beyond what any field accepts are
// clamped, so that the range checks name them.
bool integer(std::string_view s, int& value) {
    std::string_view digits = s.substr(!s.empty() && s[0] == '-' ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return false;
    long long v = 0;
    for (char ch : digits) v = std::min(v * 10 + (ch - '0'), 1'000'000'000LL);
    value = int(s[0] == '-' ? -v : v);
    return true;
}

// "'word'", built by appending (GCC 12 warns wrongly on the chained operator+ form).
std::string quoted(std::string_view word) {
    std::string s;
    s.reserve(word.size() + 2);
    s += '\'';
    s += word;
    s += '\'';
    return s;
}

bool validCode(int c) { return c == EMPTY || isPieceCode(c) || c == 111 || c == -111; }

struct Parser {
    std::vector<std::string_view> lines;
    size_t next = 0;  // index of the next line to read
    std::string error;

    bool fail(size_t lineNumber, const std::string& what) {
        error = "line " + std::to_string(lineNumber) + ": " + what;
        return false;
    }

    // The next line that is neither blank nor a comment; false at the end of the file.
    bool content(size_t& number, std::vector<std::string_view>& words) {
        while (next < lines.size()) {
            const std::string_view line = lines[next++];
            words = tokens(line);
            if (words.empty() || words[0][0] == '#') continue;
            number = next;
            return true;
        }
        return false;
    }

    bool counts(size_t number, const std::vector<std::string_view>& words, Row<int, 8>& hand) {
        if (words.size() != 8)
            return fail(number, std::string(words[0]) + " needs 7 counts, found " + std::to_string(words.size() - 1));
        for (int i = 1; i <= 7; ++i) {
            int v;
            if (!integer(words[i], v)) return fail(number, quoted(words[i]) + " is not an integer");
            if (v < 0) return fail(number, "negative hand count " + std::string(words[i]));
            if (v > kMaxHandCount)
                return fail(number,
                            "hand count " + std::string(words[i]) + " is above " + std::to_string(kMaxHandCount));
            hand(i) = v;
        }
        return true;
    }

    bool board(size_t keywordLine, Grid<int16_t>& out) {
        std::vector<std::string_view> words;
        size_t number = keywordLine;
        for (int y = 1; y <= 27; ++y) {
            if (!content(number, words))
                return fail(lines.size() + 1, "the file ends after " + std::to_string(y - 1) +
                                                  " board rows, 27 expected");
            if (words.size() != 27)
                return fail(number, "board row " + std::to_string(y) + " has " + std::to_string(words.size()) +
                                        " codes, 27 expected");
            for (int x = 1; x <= 27; ++x) {
                int c;
                if (!integer(words[x - 1], c))
                    return fail(number, quoted(words[x - 1]) + " is not an integer");
                if (!validCode(c)) return fail(number, std::string(words[x - 1]) + " is not a piece code");
                out(x, y) = int16_t(c);
            }
        }
        return true;
    }

    bool run(Position& pos) {
        size_t boardLine = 0, upperLine = 0, lowerLine = 0, levelLine = 0;
        size_t number = 0;
        std::vector<std::string_view> words;
        auto once = [&](size_t& seen, const char* name) {
            if (seen != 0)
                return fail(number, std::string(name) + " given twice (first on line " + std::to_string(seen) + ")");
            seen = number;
            return true;
        };
        while (content(number, words)) {
            const std::string_view key = words[0];
            if (key == "board" || key == "opening") {
                if (!once(boardLine, "the board")) return false;
                if (words.size() != 1) return fail(number, "unexpected text after " + quoted(key));
                if (key == "board") {
                    if (!board(number, pos.board)) return false;
                } else {
                    opening(pos.board);
                }
            } else if (key == "hand-upper") {
                if (!once(upperLine, "hand-upper") || !counts(number, words, pos.handUpper)) return false;
            } else if (key == "hand-lower") {
                if (!once(lowerLine, "hand-lower") || !counts(number, words, pos.handLower)) return false;
            } else if (key == "level") {
                if (!once(levelLine, "level")) return false;
                int v;
                if (words.size() != 2 || !integer(words[1], v) || v < 1 || v > 4)
                    return fail(number, "level must be 1, 2, 3 or 4");
                pos.level = v;
            } else {
                return fail(number, "unknown keyword " + quoted(key));
            }
        }
        const size_t end = lines.size() + 1;
        if (boardLine == 0) return fail(end, "missing board");
        if (upperLine == 0) return fail(end, "missing hand-upper");
        if (lowerLine == 0) return fail(end, "missing hand-lower");
        return true;
    }

    static void opening(Grid<int16_t>& out) {
        Headless h;
        h.game.初期設定();
        out = h.game.position().Board;
    }
};

}  // namespace

bool parsePosition(const std::string& text, Position& out, std::string& error) {
    Parser p;
    std::string_view all(text);
    if (all.substr(0, 3) == "\xEF\xBB\xBF") all.remove_prefix(3);  // byte-order mark
    while (!all.empty()) {
        const size_t eol = all.find('\n');
        std::string_view line = all.substr(0, eol);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        p.lines.push_back(line);
        if (eol == std::string_view::npos) break;
        all.remove_prefix(eol + 1);
    }
    Position pos;
    if (!p.run(pos)) {
        error = p.error;
        return false;
    }
    out = pos;
    return true;
}

bool readPosition(const std::string& path, Position& out, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = "cannot read the file (it is a folder)";
        return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::string text;
    char buffer[1 << 16];
    while (in) {
        in.read(buffer, sizeof buffer);
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kPositionMaxBytes) {
            error = "cannot read the file (larger than " + std::to_string(kPositionMaxBytes >> 20) + " MiB)";
            return false;
        }
    }
    if (!in.eof() || in.bad()) {
        error = std::string("cannot read the file (") + (errno != 0 ? std::strerror(errno) : "read error") + ")";
        return false;
    }
    return parsePosition(text, out, error);
}

std::string positionText(const Grid<int16_t>& board, const Row<int, 8>& handUpper, const Row<int, 8>& handLower) {
    std::string s = "board\n";
    for (int y = 1; y <= 27; ++y)
        for (int x = 1; x <= 27; ++x) {
            s.append(std::to_string(board(x, y)));
            s.push_back(x == 27 ? '\n' : ' ');
        }
    for (const auto& [key, hand] : {std::pair{"hand-upper", &handUpper}, std::pair{"hand-lower", &handLower}}) {
        s.append(key);
        for (int i = 1; i <= 7; ++i) {
            s.push_back(' ');
            s.append(std::to_string((*hand)(i)));
        }
        s.push_back('\n');
    }
    return s;
}

void place(Game& g, const Position& pos) {
    g.setPosition(pos.board, pos.handUpper, pos.handLower);
    g.レベル_設定(pos.level);
    g.勢力調査();
}

}  // namespace orizen::cli
