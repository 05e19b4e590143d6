// The catalogue of the program's texts in English, and the moves written in English letters.
#include "game/language.h"

#include <array>
#include <cstdint>

namespace orizen {

namespace {

// Piece names as English shogi writes them: the letter of the piece, "+" before a promoted one.
constexpr std::array<Phrase, 14> kPieces{{
    {"歩", "P"}, {"と", "+P"}, {"香", "L"}, {"香成", "+L"}, {"桂", "N"},
    {"桂成", "+N"}, {"銀", "S"}, {"銀成", "+S"}, {"金", "G"}, {"角", "B"},
    {"角成", "+B"}, {"飛", "R"}, {"飛成", "+R"}, {"王", "K"},
}};

constexpr Phrase kPhrases[] = {
    // The menu bar, and the items the aids and the language choice add to it.
    {"対局", "Game"},
    {"対局(人間)", "Two players"},
    {"スタート", "Start"},
    {"対局(COM)", "Against the computer"},
    {"先手", "You move first", Where::Menu},
    {"後手", "Computer moves first", Where::Menu},
    {"COM対局ﾚﾍﾞﾙ", "Computer level"},
    {"終わり", "Quit", Where::Menu},
    {"局面", "Position"},
    {"最初", "Start over"},
    {"反転", "Reverse"},
    {"戻", "Back"},
    {"進", "Forward"},
    {"棋譜", "Record"},
    {"読込", "Open"},
    {"書込", "Save"},
    {"ｵﾌﾟｼｮﾝ", "Options"},
    {"移動指導", "Move guidance"},
    {"背景画", "Background"},
    {"緑", "Green"},
    {"畳", "Tatami"},
    {"竹", "Bamboo"},
    {"宇宙", "Space"},
    {"煉瓦", "Brick"},
    {"その他", "More"},
    {"解説", "Help"},
    {"バージョン情報", "About Orizen"},
    {"ヒント", "Hint"},
    {"勢力図", "Influence map"},
    {"棋譜一覧", "Move list"},
    {"Language / 言語", "Language / 言語"},  // the same in both: found whichever is shown
    {"日本語", "日本語"},                    // a language is named in its own script

    // Beside the board.
    {"手目", "\u2002moves"},  // an en space after the number
    {"思考中", "Thinking"},
    {"開始", "Start"},  // the move list's first row, and a box's title

    // The names the game gives the players of the game it keeps after every move.
    {"前回の対局", "Last game"},
    {"コンピュータ", "Computer"},
    {"あなた", "You"},
    {"上手", "Upper"},
    {"下手", "Lower"},

    // Boxes: texts.
    {"先手の番です", "The first player moves."},
    {"あなたの番です", "Your move."},
    {"OKですか？", "The game goes on from here."},
    {"棋譜を '進 'で進めて下さい", "Step through the record with \"Forward\"."},
    {"「対局」で始めて下さい", "Start a game from the \"Game\" menu."},
    {"マウスの右をクリックして下さい", "Click with the right mouse button: this move must promote."},
    {"あなたの勝ちです", "You win."},
    {"ｺﾝﾋﾟｭｰﾀの勝ちです", "The computer wins."},
    {"先手の勝ちです", "The first player wins."},
    {"後手の勝ちです", "The second player wins."},
    {"続けますか？", "Play again?"},
    {"棋譜のデータが正しくありません", "The record's moves do not fit the position."},
    {"できません", "Not possible."},
    {"終わり", "That was the last move.", Where::Box},
    {"棋譜ﾓｰﾄﾞではできません", "Not possible while a record is shown."},
    {"棋譜は500手までです。これ以上指せません", "A record holds 500 moves: no more moves can be made."},
    {"反転後は書き込みできません", "A reversed board cannot be saved."},
    {"ﾌｧｲﾙ名が入力されていません", "No file name was entered."},
    {"保存するデータがありません", "There are no moves to save."},
    {"このファイル名は使えません", "This file name cannot be used."},
    {"棋譜ファイルに書けない文字が名前に含まれています", "A name holds characters a record file cannot keep."},
    {"棋譜を書き込めませんでした（%1）", "The record could not be saved (%1)."},
    {"棋譜を書き込みました", "The record was saved."},
    {"棋譜ファイルを読み込めません（%1）", "The record file cannot be read (%1)."},
    {"棋譜が500手を超えています。500手目までを読み込みました",
     "The record has more than 500 moves: moves 1 to 500 were read."},
    {"棋譜ファイルの%1手目が正しくありません。%2手目までを読み込みました",
     "Move %1 of the record file is not valid: moves 1 to %2 were read."},
    {"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "The record file holds no moves."},
    {" 読み込みました", "The record was read."},
    {"よし！!", "Got you!"},
    {"   ** 王手 **", "   ** Check **"},
    {"設定ファイル \"Orizen.ini\" を書き込めません（%1）", "The settings file \"Orizen.ini\" cannot be written (%1)."},
    {"Direct Soundインターフェースが作成できません。", "No sound device can be opened: the game plays silently."},
    {"ファイルが空です: %1", "The file is empty: %1"},
    {"補助表示の設定を保存できません（%1）", "The aids' settings cannot be saved (%1)."},
    {"前回の対局を読み込みますか？", "Go on with the game of your last visit?"},

    // LEVEL4's time and its thinking beside the board.
    {"LEVEL4の持ち時間", "LEVEL4's time a move"},
    {"%1秒", "%1 s"},
    {"深さ %1", "Depth %1"},
    {"評価 %1", "Score %1"},
    {"詰み %1手", "Mate in %1"},
    {"詰まされ %1手", "Mated in %1"},

    // Boxes: titles and buttons.
    {"再開", "Resume"},
    {"成り", "Promotion"},
    {"終了", "Game over"},
    {"再ゲーム", "Play again"},
    {"戻る", "Back"},
    {"進む", "Forward"},
    {"手数", "Moves"},
    {"棋譜書込", "Save record"},
    {"棋譜保存", "Save record"},
    {"詰め ?", "Mate?"},
    {"はい(&Y)", "&Yes"},
    {"いいえ(&N)", "&No"},

    // The record panel, the version dialog and the help window.
    {"対 局 名：", "Game:"},
    {"先    手 ：", "First:"},
    {"後    手 ：", "Second:"},
    {"ﾌｧｲﾙ名 ：", "File:"},
    {"ホームページ", "Homepage"},
    {"Orizen 解説", "Orizen Help"},
};

constexpr std::size_t kPhraseCount = sizeof kPhrases / sizeof kPhrases[0];

// All the phrases in one table: the general ones, then the pieces.
constexpr std::array<Phrase, kPhraseCount + kPieces.size()> kCatalogue = [] {
    std::array<Phrase, kPhraseCount + kPieces.size()> all{};
    std::size_t n = 0;
    for (const Phrase& p : kPhrases) all[n++] = p;
    for (const Phrase& p : kPieces) all[n++] = p;
    return all;
}();

bool fits(const Phrase& p, Where where) { return p.where == Where::Anywhere || p.where == where; }

// Matches `text` against a pattern with %1 and %2 in it; the texts they stand for go to `parts`.
bool matches(std::string_view pattern, std::string_view text, std::array<std::string_view, 3>& parts) {
    const std::size_t mark = pattern.find('%');
    if (mark == std::string_view::npos || mark + 1 >= pattern.size()) return pattern == text;
    const int index = pattern[mark + 1] - '0';
    if (index < 1 || index > 2) return pattern == text;
    if (text.substr(0, mark) != pattern.substr(0, mark)) return false;
    const std::string_view rest = pattern.substr(mark + 2);
    // The shortest text for the mark that lets the rest match.
    for (std::size_t end = mark + 1; end <= text.size(); ++end) {
        if (!matches(rest, text.substr(end), parts)) continue;
        parts[std::size_t(index)] = text.substr(mark, end - mark);
        return true;
    }
    return false;
}

std::string filled(std::string_view english, const std::array<std::string_view, 3>& parts) {
    std::string s;
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (english[i] == '%' && i + 1 < english.size() && (english[i + 1] == '1' || english[i + 1] == '2')) {
            s += parts[std::size_t(english[i + 1] - '0')];
            ++i;
        } else {
            s += english[i];
        }
    }
    return s;
}

// A file or rank as the game writes it: one full-width digit, or two plain digits; "" otherwise.
std::string number(std::string_view& s) {
    if (s.size() >= 3 && std::uint8_t(s[0]) == 0xEF && std::uint8_t(s[1]) == 0xBC && std::uint8_t(s[2]) >= 0x91 &&
        std::uint8_t(s[2]) <= 0x99) {
        const char digit = char('1' + (std::uint8_t(s[2]) - 0x91));
        s.remove_prefix(3);
        return std::string(1, digit);
    }
    if (s.size() >= 2 && s[0] >= '1' && s[0] <= '2' && s[1] >= '0' && s[1] <= '9') {
        std::string d(s.substr(0, 2));
        s.remove_prefix(2);
        return d;
    }
    return {};
}

bool endsWith(std::string_view s, std::string_view end) {
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

// A move as the aids write it: file, a blank, rank, the piece (with 成 when it promoted) and 打
// for a drop. In English the piece comes first, then "-" for a move or "*" for a drop, then the
// square.
std::optional<std::string> englishMove(std::string_view text) {
    const std::string file = number(text);
    if (file.empty() || text.empty() || text[0] != ' ') return std::nullopt;
    text.remove_prefix(1);
    const std::string rank = number(text);
    if (rank.empty()) return std::nullopt;
    const bool drop = endsWith(text, "打");
    if (drop) text.remove_suffix(std::string_view("打").size());
    for (const Phrase& p : kPieces)
        if (p.japanese == text) return std::string(p.english) + (drop ? "*" : "-") + file + " " + rank;
    if (endsWith(text, "成")) {
        text.remove_suffix(std::string_view("成").size());
        for (const Phrase& p : kPieces)
            if (p.japanese == text && p.english.size() == 1)
                return "+" + std::string(p.english) + (drop ? "*" : "-") + file + " " + rank;
    }
    return std::nullopt;
}

// The next code point of a UTF-8 text, or -1 for a byte that starts none.
long nextCodePoint(std::string_view s, std::size_t& i) {
    const auto b = std::uint8_t(s[i]);
    int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + std::size_t(length) > s.size()) {
        ++i;
        return -1;
    }
    long c = length == 1 ? b : b & (0x7F >> length);
    for (int k = 1; k < length; ++k) c = (c << 6) | (std::uint8_t(s[i + std::size_t(k)]) & 0x3F);
    i += std::size_t(length);
    return c;
}

}  // namespace

std::span<const Phrase> phrases() { return kCatalogue; }

std::optional<std::string> english(std::string_view japanese, Where where) {
    for (const Phrase& p : kCatalogue)
        if (p.japanese == japanese && fits(p, where)) return std::string(p.english);
    for (const Phrase& p : kCatalogue) {
        std::array<std::string_view, 3> parts{};
        if (p.japanese.find('%') != std::string_view::npos && fits(p, where) && matches(p.japanese, japanese, parts))
            return filled(p.english, parts);
    }
    return englishMove(japanese);
}

std::string shown(Language language, std::string_view text, Where where) {
    if (language == Language::English)
        if (std::optional<std::string> e = english(text, where)) return *e;
    return std::string(text);
}

bool hasJapanese(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const long c = nextCodePoint(utf8, i);
        if ((c > 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
            (c >= 0xFF61 && c <= 0xFF9F))
            return true;
    }
    return false;
}

Language languageOfLocale(std::string_view name) {
    if (name.empty() || name == "C" || name.substr(0, 2) == "C." || name == "POSIX") return Language::Japanese;
    const bool japanese = name.size() >= 2 && (name[0] == 'j' || name[0] == 'J') && (name[1] == 'a' || name[1] == 'A') &&
                          (name.size() == 2 || name[2] == '_' || name[2] == '-' || name[2] == '.');
    return japanese ? Language::Japanese : Language::English;
}

std::string_view languageCode(Language language) { return language == Language::English ? "en" : "ja"; }

std::optional<Language> parseLanguage(std::string_view code) {
    if (code == "en") return Language::English;
    if (code == "ja") return Language::Japanese;
    return std::nullopt;
}

}  // namespace orizen
