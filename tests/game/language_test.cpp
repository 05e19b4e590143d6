// The English catalogue: whole, English, and found for every text the program can show.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "game/language.h"
#include "game/menu.h"
#include "game/move_notes.h"
#include "tour.h"

namespace orizen::test {

namespace {

// The marks %1 and %2 a text holds, in order.
std::string marks(std::string_view s) {
    std::string m;
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        if (s[i] == '%' && (s[i + 1] == '1' || s[i + 1] == '2')) m += s[i + 1];
    std::sort(m.begin(), m.end());
    return m;
}

// Names of languages, which each language writes in its own script.
bool namesALanguage(std::string_view english) {
    return english.find("日本語") != std::string_view::npos || english.find("言語") != std::string_view::npos;
}

}  // namespace

TEST(Language, EveryPhraseHasOneEnglishWithTheSameMarksAndNoJapanese) {
    std::set<std::pair<std::string_view, Where>> seen;
    for (const Phrase& p : phrases()) {
        SCOPED_TRACE(std::string(p.japanese));
        EXPECT_TRUE(seen.insert({p.japanese, p.where}).second) << "twice in the catalogue";
        EXPECT_FALSE(p.english.empty());
        EXPECT_EQ(marks(p.japanese), marks(p.english));
        if (!namesALanguage(p.english)) {
            EXPECT_FALSE(hasJapanese(p.english)) << p.english;
        }
    }
    // Where the place decides, each place has its own.
    EXPECT_EQ(english("終わり", Where::Menu), "Quit");
    EXPECT_EQ(english("終わり", Where::Box), "That was the last move.");
    EXPECT_EQ(english("終わり"), std::nullopt);
}

TEST(Language, TextsWithPartsOfTheirOwnCarryThemOver) {
    EXPECT_EQ(english("棋譜を書き込めませんでした（Permission denied）"), "The record could not be saved (Permission denied).");
    EXPECT_EQ(english("棋譜ファイルの12手目が正しくありません。11手目までを読み込みました"),
              "Move 12 of the record file is not valid: moves 1 to 11 were read.");
    EXPECT_EQ(english("ファイルが空です: 駒打音.wav"), "The file is empty: 駒打音.wav");
    EXPECT_EQ(english("棋譜を書き込めませんでした"), std::nullopt);  // the frame must be whole
    EXPECT_EQ(shown(Language::English, "山田"), "山田");      // a name typed by a player
    EXPECT_EQ(shown(Language::Japanese, "思考中"), "思考中");
    EXPECT_EQ(shown(Language::English, "思考中"), "Thinking");
}

TEST(Language, MovesAreWrittenWithTheLettersOfEnglishShogi) {
    const struct {
        int fromX, toX, toY, before, after;
        const char* english;
    } cases[] = {
        {5, 23, 17, -30, -30, "P-5 17"},        // file 28 - 23
        {20, 20, 5, 30, 31, "+P-8 5"},          // promoting
        {14, 1, 27, -31, -31, "+P-27 27"},      // a promoted pawn moving
        {29, 14, 17, -30, -30, "P*14 17"},      // a drop from either hand
        {-1, 27, 1, 40, 40, "L*1 1"},
        {3, 3, 10, -41, -41, "+L-25 10"},
        {3, 3, 10, -40, -41, "+L-25 10"},
        {7, 7, 3, 50, 51, "+N-21 3"},
        {9, 9, 9, 100, 101, "+S-19 9"},
        {9, 9, 9, -110, -110, "G-19 9"},
        {2, 2, 2, 800, 801, "+B-26 2"},
        {2, 2, 2, -801, -801, "+B-26 2"},
        {14, 14, 2, 900, 900, "R-14 2"},
        {14, 14, 2, 901, 901, "+R-14 2"},
        {14, 14, 26, -950, -950, "K-14 26"},
    };
    for (const auto& c : cases) {
        const std::string japanese = moveText(c.fromX, c.toX, c.toY, c.before, c.after);
        EXPECT_EQ(english(japanese), c.english) << japanese;
    }
    // What the board writes: the piece alone.
    EXPECT_EQ(english(Game::文字列変換(-31)), "+P");
    EXPECT_EQ(english(Game::文字列変換(950)), "K");
}

TEST(Language, TheLocaleChoosesJapaneseOnlyForJapaneseOrNoLanguage) {
    for (const char* ja : {"ja", "ja_JP.UTF-8", "ja-JP", "JA", "C", "C.UTF-8", "POSIX", ""})
        EXPECT_EQ(languageOfLocale(ja), Language::Japanese) << ja;
    for (const char* en : {"en", "en_US.UTF-8", "en-GB", "de-DE", "fr", "zh-CN", "jam"})
        EXPECT_EQ(languageOfLocale(en), Language::English) << en;
    EXPECT_EQ(parseLanguage(languageCode(Language::English)), Language::English);
    EXPECT_EQ(parseLanguage(languageCode(Language::Japanese)), Language::Japanese);
    EXPECT_EQ(parseLanguage("de"), std::nullopt);
}

// Everything the game shows on a tour of it, and every caption of the menu bar.
TEST(Language, EveryTextTheGameShowsHasEnglish) {
    std::vector<std::pair<std::string, Where>> shownTexts;
    for (const MenuEntry& e : kMenuBar) shownTexts.emplace_back(std::string(e.caption), Where::Menu);
    for (int code : {30, 31, 40, 41, 50, 51, 100, 101, 110, 800, 801, 900, 901, 950})
        shownTexts.emplace_back(Game::文字列変換(code), Where::Anywhere);
    {
        Harness h;
        tour(h);
        soundTour(h);
        for (const FakeHost::Box& b : h.host.boxes) {
            shownTexts.emplace_back(b.text, Where::Box);
            shownTexts.emplace_back(b.title, Where::Box);
        }
        for (const RecordingCanvas::Op& op : h.canvas.texts()) shownTexts.emplace_back(op.text, Where::Anywhere);
        for (const MoveRow& r : historyRows(h.game)) shownTexts.emplace_back(r.text, Where::Anywhere);
    }
    std::set<std::string> missing, seen;
    for (const auto& [text, where] : shownTexts) {
        seen.insert(text);
        if (!hasJapanese(text)) continue;
        const std::optional<std::string> e = english(text, where);
        if (!e) missing.insert(text);
    }
    EXPECT_TRUE(missing.empty()) << "no English for " << ::testing::PrintToString(missing);
    // The tour did reach what it was meant to.
    for (const char* text : {"「対局」で始めて下さい", "マウスの右をクリックして下さい", "思考中", "手目", "前回の対局",
                             "ｺﾝﾋﾟｭｰﾀの勝ちです", "後手の勝ちです", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "反転後は書き込みできません",
                             "Direct Soundインターフェースが作成できません。", "このファイル名は使えません"})
        EXPECT_TRUE(seen.count(text)) << text;
}

namespace {

// The string literals of a C++ or JavaScript source, comments left out.
std::vector<std::string> literals(const std::string& src) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < src.size(); ++i) {
        if (src.compare(i, 2, "//") == 0) {
            i = src.find('\n', i);
            if (i == std::string::npos) break;
        } else if (src.compare(i, 2, "/*") == 0) {
            i = src.find("*/", i);
            if (i == std::string::npos) break;
            ++i;
        } else if (src[i] == '"' || (src[i] == '\'' && i > 0 && !std::isalnum(static_cast<unsigned char>(src[i - 1])))) {
            const char quote = src[i];
            std::string s;
            for (++i; i < src.size() && src[i] != quote && src[i] != '\n'; ++i) {
                if (src[i] != '\\' || i + 1 == src.size()) {
                    s += src[i];
                    continue;
                }
                const char c = src[++i];
                s += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
            }
            out.push_back(s);
        }
    }
    return out;
}

}  // namespace

// A Japanese text added to the program without English fails here, even where no tour goes: every
// literal of the front ends and the game is a text of the catalogue, a part of one (the game joins
// some from parts), one of the names of files and settings that stay Japanese in any language, or
// the drop mark of a move text (moves are put into English whole).
TEST(Language, EveryJapaneseLiteralOfTheSourcesHasEnglish) {
    const std::set<std::string> untranslated = {"打", "その他.wav", "禁止.wav", "駒打音.wav", "終局.wav", "前回の対局.棋譜",
                                         ".棋譜",      "*.棋譜",   "背景画",     "移動指導",   "背景画=",
                                         "移動指導=ON\r\n", "移動指導=OFF\r\n"};
    std::set<std::string> missing;
    const std::filesystem::path root = ORIZEN_SOURCE_DIR;
    for (const char* folder : {"src/game", "src/window", "src/web", "src/web/page"})
        for (const auto& entry : std::filesystem::directory_iterator(root / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h" && ext != ".js") continue;
            std::ifstream in(entry.path());
            std::stringstream ss;
            ss << in.rdbuf();
            for (const std::string& s : literals(ss.str())) {
                if (!hasJapanese(s) || untranslated.count(s) || english(s, Where::Menu) || english(s, Where::Box)) continue;
                bool part = false;
                for (const Phrase& p : phrases()) part |= p.japanese.find(s) != std::string_view::npos;
                if (!part) missing.insert(entry.path().filename().string() + ": " + s);
            }
        }
    EXPECT_TRUE(missing.empty()) << "no English for " << ::testing::PrintToString(missing);
}

}  // namespace orizen::test
