// Record files: the byte format, reading any file safely, and the record panel's messages.
#include <gtest/gtest.h>

#include "fakes.h"
#include "game/files.h"
#include "game/record_file.h"

namespace orizen::test {

namespace {

// "先手" and "後手" in Shift_JIS, and a name with a half-width katakana.
const std::string kSente = "\x90\xe6\x8e\xe8";
const std::string kGote = "\x8c\xe3\x8e\xe8";
const std::string kKonpyuta = "\xba\xdd\xcb\xdf\xad\xb0\xc0";

std::string crlf(std::initializer_list<std::string> lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

}  // namespace

TEST(RecordFormat, MoveLinesAreTwentyFixedColumns) {
    EXPECT_EQ(formatMoveLine({5, 18, 5, 17, -30, -30, 0}), "5 185 17-30 -30 0   ");
    EXPECT_EQ(formatMoveLine({29, 24, 14, 15, -100, -100, 0}), "29241415-100-1000   ");
    EXPECT_EQ(formatMoveLine({-1, 3, 1, 27, 100, 100, 0}), "-13 1 27100 100 0   ");
    EXPECT_EQ(formatMoveLine({14, 20, 14, 10, -901, -900, 110}), "14201410-901-900110 ");
    for (const auto& m : {RecordMove{5, 18, 5, 17, -30, -30, 0}, RecordMove{-1, 7, 27, 27, 900, 900, 0}})
        EXPECT_EQ(formatMoveLine(m).size(), 20u);
}

TEST(RecordFormat, LenientNumbersIgnoreBlanksAndStopAtOtherCharacters) {
    EXPECT_EQ(lenientNumber("5 "), 5);
    EXPECT_EQ(lenientNumber("-30 "), -30);
    EXPECT_EQ(lenientNumber(" 1 8"), 18);
    EXPECT_EQ(lenientNumber("    "), 0);
    EXPECT_EQ(lenientNumber("12ab"), 12);
    EXPECT_EQ(lenientNumber("-"), 0);
}

TEST(RecordRead, ShiftJisHeadersAndMovesOfBothSidesWithCrLfOrLf) {
    const std::string moves[] = {"5 185 17-30 -30 0   ", "-17 5 11100 100 0   ", "29211416-30 -30 0   ",
                                 "5 175 16-30 -30 0   "};
    for (const char* eol : {"\r\n", "\n"}) {
        std::string bytes = kKonpyuta + eol + kGote + eol + kSente + eol;
        for (const auto& m : moves) bytes += m + eol;
        const RecordFile r = parseRecord(bytes);
        EXPECT_EQ(r.lines[0], "ｺﾝﾋﾟｭｰﾀ");
        EXPECT_EQ(r.lines[1], "後手");
        EXPECT_EQ(r.lines[2], "先手");
        ASSERT_EQ(r.moves.size(), 4u) << r.problem;
        EXPECT_EQ(r.moves[1].fromX, -1);
        EXPECT_EQ(r.moves[1].fromY, 7);
        EXPECT_EQ(r.moves[2].fromX, 29);
        EXPECT_EQ(r.moves[2].fromY, 21);
        EXPECT_EQ(r.moves[3].piece, -30);
        EXPECT_TRUE(r.problem.empty());
    }
}

TEST(RecordRead, WritingThenReadingGivesTheSameBytesAndMoves) {
    const std::vector<RecordMove> moves = {{5, 18, 5, 17, -30, -30, 0}, {14, 2, 14, 9, 900, 900, 0},
                                           {14, 20, 14, 10, -901, -900, 30}, {-1, 1, 3, 12, 900, 900, 0}};
    std::string bytes;
    ASSERT_TRUE(formatRecord("第一局", "ｺﾝﾋﾟｭｰﾀ", "あなた", moves, bytes));
    EXPECT_EQ(bytes.substr(0, 8), "\x91\xe6\x88\xea\x8b\xc7\r\n");
    const RecordFile r = parseRecord(bytes);
    ASSERT_EQ(r.moves.size(), moves.size());
    for (size_t i = 0; i < moves.size(); ++i) EXPECT_EQ(formatMoveLine(r.moves[i]), formatMoveLine(moves[i]));
    EXPECT_FALSE(formatRecord("\xF0\x9F\x98\x80", "a", "b", moves, bytes)) << "an emoji has no Shift_JIS form";
    EXPECT_FALSE(formatRecord("a\nb", "a", "b", moves, bytes));
}

TEST(RecordRead, StopsAtTheFirstLineThatIsNoMoveInRange) {
    const std::string head = crlf({"g", "u", "l"});
    const std::vector<std::string> bad = {
        "",                      // a blank line among the moves
        "3030303030303030303030",  // too long
        "0 0 0 0 0   0   0   ",  // zeros
        "5 185 28-30 -30 0   ",  // off the board
        "5 185 17-31 -30 0   ",  // fine: promotion of a pawn in the record
        "5 185 17-35 -30 0   ",  // no such piece
        "5 185 17 30 -30 0   ",  // sides differ
        "29305 17-30 -30 0   ",  // no such hand slot
        "-13 5 17-30 -30 0   ",  // the upper hand dropping a lower piece
        "ab185 17-30 -30 0   ",  // not numbers
        "5 185 17-30 -30 -950",  // capturing its own king
    };
    for (const auto& line : bad) {
        const RecordFile r = parseRecord(head + crlf({"5 185 17-30 -30 0   ", line, "5 175 16-30 -30 0   "}));
        if (line == "5 185 17-31 -30 0   ") {
            EXPECT_EQ(r.moves.size(), 3u);
            continue;
        }
        EXPECT_EQ(r.moves.size(), 1u) << line;
        EXPECT_EQ(r.badMove, 2) << line;
        EXPECT_FALSE(r.problem.empty());
    }
    // Blank lines at the very end are only the end of the file.
    EXPECT_TRUE(parseRecord(head + crlf({"5 185 17-30 -30 0   ", "", ""})).problem.empty());
}

TEST(RecordRead, HugeBinaryOrBrokenFilesNeverYieldMovesOutOfRange) {
    std::string many = crlf({"g", "u", "l"});
    for (int i = 0; i < 600; ++i) many += "5 185 17-30 -30 0   \r\n";
    const RecordFile r = parseRecord(many);
    EXPECT_EQ(r.moves.size(), 500u);
    EXPECT_EQ(r.badMove, 501);

    std::string binary;
    for (int i = 0; i < 5000; ++i) binary += static_cast<char>((i * 7919) & 0xff);
    for (const RecordMove& m : parseRecord(binary).moves) EXPECT_TRUE(moveInRange(m));

    const RecordFile broken = parseRecord("\x82\r\n\xff\xfe\r\n");
    EXPECT_EQ(broken.headerLines, 2);
    EXPECT_NE(broken.lines[0].find("\xEF\xBF\xBD"), std::string::npos);
}

struct RecordPanel : ::testing::Test {
    Harness h;
    void SetUp() override { h.host.folder = h.folder.path.string(); }
    std::string read(const std::string& name) {
        std::string bytes, error;
        readWholeFile((h.folder.path / name).string(), 1 << 20, bytes, error);
        return bytes;
    }
};

TEST_F(RecordPanel, WritingIsRefusedWithItsMessages) {
    h.game.arrangeFlow().Reversed = YES;
    h.game.KIFU_WRITE_Click();
    h.game.arrangeFlow().Reversed = NO;
    h.game.Command1_Click();
    h.host.fields[1] = "a";
    h.game.Command1_Click();
    h.game.arrangeHistory().RecordCount = 1;
    h.host.fields[1] = "x/y";
    h.game.Command1_Click();
    h.host.fields[1] = "ok";
    h.host.fields[2] = "\xF0\x9F\x98\x80";
    h.game.Command1_Click();
    ASSERT_EQ(h.host.boxes.size(), 5u);
    EXPECT_EQ(h.host.boxes[0].text, "反転後は書き込みできません");
    EXPECT_EQ(h.host.boxes[0].title, "棋譜書込");
    EXPECT_EQ(h.host.boxes[1].text, "ﾌｧｲﾙ名が入力されていません");
    EXPECT_EQ(h.host.boxes[1].title, "  ");
    EXPECT_EQ(h.host.boxes[2].text, "保存するデータがありません");
    EXPECT_EQ(h.host.boxes[2].title, "棋譜保存");
    EXPECT_EQ(h.host.boxes[3].text, "このファイル名は使えません");
    EXPECT_EQ(h.host.boxes[4].text, "棋譜ファイルに書けない文字が名前に含まれています");
    EXPECT_FALSE(std::filesystem::exists(h.folder.path / "ok.棋譜"));
}

TEST_F(RecordPanel, WritesTheMovesUpToTheCurrentOneWithNamesInTurnOrder) {
    Game& g = h.game;
    g.arrangeHistory().RecordCount = 2;
    g.arrangeHistory().RecordLength = 3;
    const RecordMove moves[] = {{5, 18, 5, 17, -30, -30, 0}, {-1, 7, 3, 12, 30, 30, 0}, {5, 17, 5, 16, -30, -30, 0}};
    for (int n = 1; n <= 3; ++n) {
        const RecordMove& m = moves[n - 1];
        g.arrangeHistory().RecFromX(n) = m.fromX, g.arrangeHistory().RecFromY(n) = m.fromY,
        g.arrangeHistory().RecToX(n) = m.toX, g.arrangeHistory().RecToY(n) = m.toY;
        g.arrangeHistory().RecResult(n) = m.result, g.arrangeHistory().RecPiece(n) = m.piece,
        g.arrangeHistory().RecCaptured(n) = m.captured;
    }
    h.host.fields[1] = "game.棋譜";
    h.host.fields[2] = "名局";
    h.host.fields[3] = "先";
    h.host.fields[4] = "後";
    g.arrangeFlow().HumanSide = TURN_SECOND;
    g.Command1_Click();
    std::string expected;
    ASSERT_TRUE(toCp932("名局\r\n先\r\n後\r\n", expected));
    expected += "5 185 17-30 -30 0   \r\n-17 3 1230  30  0   \r\n";
    EXPECT_EQ(read("game.棋譜.棋譜"), expected) << "the extension is added even when typed";
    EXPECT_EQ(h.host.boxes.back().text, "棋譜を書き込みました");
    EXPECT_EQ(h.host.fileRefreshes, 1);
    EXPECT_FALSE(h.host.panelFields) << "the panel closes after writing";

    h.host.fields[1] = "game2";
    h.host.fields[3] = "先";
    h.host.fields[4] = "後";
    g.arrangeFlow().HumanSide = TURN_FIRST;
    g.Command1_Click();
    EXPECT_EQ(read("game2.棋譜").substr(0, 8), "\r\n\x8c\xe3\r\n\x90\xe6");
}

TEST_F(RecordPanel, AFailedWriteKeepsTheOldFileAndSaysSo) {
    h.game.arrangeHistory().RecordCount = 1;
    h.game.arrangeHistory().RecFromX(1) = 5, h.game.arrangeHistory().RecFromY(1) = 18,
    h.game.arrangeHistory().RecToX(1) = 5, h.game.arrangeHistory().RecToY(1) = 17;
    h.game.arrangeHistory().RecResult(1) = h.game.arrangeHistory().RecPiece(1) = -30;
    std::filesystem::create_directory(h.folder.path / "taken.棋譜");
    h.host.fields[1] = "taken";
    h.game.Command1_Click();
    EXPECT_EQ(h.host.boxes.back().title, "棋譜保存");
    EXPECT_EQ(h.host.boxes.back().text.rfind("棋譜を書き込めませんでした", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory(h.folder.path / "taken.棋譜"));
    for (const auto& e : std::filesystem::directory_iterator(h.folder.path))
        EXPECT_EQ(e.path().filename().string().rfind(".orizen-", 0), std::string::npos) << "no temporary left";
}

TEST_F(RecordPanel, ReadingResetsTheGameAndEntersRecordMode) {
    h.folder.write("r.棋譜", kKonpyuta + "\r\n" + kGote + "\r\n" + kSente + "\r\n5 185 17-30 -30 0   \r\n");
    h.game.arrangeFlow().MoveNumber = 7;
    h.canvas.clear();
    h.game.File1_Click((h.folder.path / "r.棋譜").string());
    EXPECT_EQ(h.game.state().RecordMode, YES);
    EXPECT_EQ(h.game.moveHistory().RecordLength, 1);
    EXPECT_EQ(h.game.moveHistory().RecordCount, 0);
    EXPECT_EQ(h.game.state().MoveNumber, 0);
    EXPECT_EQ(h.game.moveHistory().RecPiece(1), -30);
    std::vector<std::pair<std::string, std::pair<double, double>>> printed;
    for (const auto& t : h.canvas.texts())
        if (t.size == 12 && t.code == COLOUR_WHITE && t.text != " 3") printed.push_back({t.text, {t.X, t.Y}});
    ASSERT_GE(printed.size(), 3u);
    const auto tail = std::vector(printed.end() - 3, printed.end());
    EXPECT_EQ(tail[0].first, "ｺﾝﾋﾟｭｰﾀ");
    EXPECT_EQ(tail[0].second, std::make_pair(800.0, 6350.0));
    EXPECT_EQ(tail[1].first, "後手");
    EXPECT_EQ(tail[1].second, std::make_pair(3700.0, 100.0));
    EXPECT_EQ(tail[2].first, "先手");
    EXPECT_EQ(tail[2].second, std::make_pair(3700.0, 6350.0));
    EXPECT_EQ(h.host.texts(), (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
}

TEST_F(RecordPanel, EmptyBadOrMissingFilesSayWhatHappened) {
    h.folder.write("empty.棋譜", "");
    h.game.File1_Click((h.folder.path / "empty.棋譜").string());
    EXPECT_EQ(h.host.boxes.back().text, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
    EXPECT_EQ(h.game.state().RecordMode, YES);

    h.host.boxes.clear();
    h.folder.write("bad.棋譜", crlf({"g", "u", "l", "5 185 17-30 -30 0   ", "99999999999999999999"}));
    h.game.File1_Click((h.folder.path / "bad.棋譜").string());
    EXPECT_EQ(h.game.moveHistory().RecordLength, 1);
    ASSERT_EQ(h.host.boxes.size(), 3u);
    EXPECT_EQ(h.host.boxes[0].text, "棋譜ファイルの2手目が正しくありません。1手目までを読み込みました");

    h.host.boxes.clear();
    h.game.arrangeFlow().RecordMode = NO;
    h.game.File1_Click((h.folder.path / "missing.棋譜").string());
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].text.rfind("棋譜ファイルを読み込めません", 0), 0u);
    EXPECT_EQ(h.game.state().RecordMode, NO) << "nothing changes when the file cannot be read";
}

}  // namespace orizen::test
