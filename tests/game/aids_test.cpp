// The player's aids in the core: the hint's choice (and that asking for it changes nothing), moves
// as text, the influence balance and the remembered on/off state.
#include <gtest/gtest.h>

#include <array>

#include "game/choose.h"
#include "cli/selfplay.h"
#include "game/aid_settings.h"
#include "game/settings.h"
#include "play.h"
#include "game/influence_map.h"
#include "game/move_notes.h"

namespace orizen::test {

namespace {

std::array<int, 6> fields(const ScoredMove& m) {
    return {m.move.fx, m.move.fy, m.move.tx, m.move.ty, m.move.before, m.move.after};
}

// Everything a later computer turn reads besides the board and hands.
struct TurnState {
    Map lower, upper;
    Memory memory;
    int distance, kings[4];
    bool operator==(const TurnState&) const = default;
};

TurnState turnState(const Game& g) {
    return {g.survey().LowerInfluence,
            g.survey().UpperInfluence,
            g.remembered(),
            g.turnWork().MoverKingDistance,
            {g.position().LowerKingX, g.position().LowerKingY, g.position().UpperKingX, g.position().UpperKingY}};
}

}  // namespace

TEST(Hint, IsGivenForTheSideToMoveWhileAPersonIsToMove) {
    Harness h;
    Game& g = h.game;
    EXPECT_EQ(hintSide(g), 0);  // no game
    g.SENTE_Click();
    EXPECT_EQ(hintSide(g), -1);
    ScoredMove m;
    ASSERT_TRUE(g.players().computer(3).choose(g, true, m));
    EXPECT_EQ(fields(m), (std::array{14, 18, 14, 17, -30, -30}));  // the self-play game's first move
    ASSERT_TRUE(g.players().hint().choose(g, true, m));  // the searching level's: a lower move
    EXPECT_LT(m.move.before, 0);
    g.arrangeFlow().Turn = g.state().OtherSide;  // the computer's turn
    EXPECT_EQ(hintSide(g), 0);

    g.START_Click();
    play(h, 14, 18, 14, 17);
    EXPECT_EQ(hintSide(g), 1);
    ASSERT_TRUE(g.players().computer(3).choose(g, false, m));
    EXPECT_EQ(fields(m), (std::array{14, 10, 14, 11, 30, 30}));  // as the computer answers it
    g.arrangeFlow().Winner = g.state().HumanSide;
    EXPECT_EQ(hintSide(g), 0);
}

// The hint thinks on a copy: the game's maps and what its later turns choose stay as they were.
TEST(Hint, AskingChangesNeitherTheGameNorTheComputersLaterMoves) {
    auto game = [](bool hints) {
        cli::Selfplay s(cli::SelfplaySettings{3, 3, false, 16}, nullptr);
        struct Context {
            cli::Selfplay* s;
            bool hints;
            bool same = true;
        } c{&s, hints};
        s.play(
            [](void* p, const cli::Ply& ply) {
                auto& ctx = *static_cast<Context*>(p);
                if (!ctx.hints || !ply.upper) return;
                const Game& g = ctx.s->game;
                const Position before = snapshot(g);
                const TurnState state = turnState(g);
                ScoredMove m;
                g.players().computer(3).choose(g, true, m);
                g.players().computer(3).choose(g, false, m);
                ctx.same = ctx.same && snapshot(g) == before && turnState(g) == state;
            },
            &c);
        EXPECT_TRUE(c.same);
        std::vector<std::string> lines;
        for (const cli::Ply& p : s.plies) lines.push_back(cli::plyText(p));
        return lines;
    };
    const std::vector<std::string> plain = game(false);
    EXPECT_EQ(plain.size(), 16u);
    EXPECT_EQ(game(true), plain);
}

TEST(MoveNotes, WriteFileRankAndPieceWithPromotionsAndDrops) {
    struct Case {
        int fromX, toX, toY, before, after;
        const char* text;
    } cases[] = {
        {14, 14, 17, -30, -30, "14 17歩"},
        {20, 20, 5, 30, 30, "８ ５歩"},
        {27, 27, 9, -30, -31, "１ ９歩成"},
        {3, 1, 10, 31, 31, "27 10と"},
        {29, 14, 3, -800, -800, "14 ３角打"},
        {-1, 7, 6, 800, 800, "21 ６角打"},
        {19, 25, 2, -801, -801, "３ ２角成"},
    };
    for (const Case& c : cases) EXPECT_EQ(moveText(c.fromX, c.toX, c.toY, c.before, c.after), c.text);

    Harness h;
    Game& g = h.game;
    g.GOTE_Click();  // the computer (the upper side) moves first: its moves are ▲
    play(h, 14, 18, 14, 17);
    const std::vector<MoveRow> rows = historyRows(g);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rowText(rows[0]), "\u2007\u20071 ▲ 14 11歩");
    EXPECT_EQ(rowText(rows[1]), "\u2007\u20072 △ 14 17歩");
    EXPECT_TRUE(rows[2].first);
}

TEST(InfluenceMap, BalancesTheTwoSidesReachOfABoard) {
    Harness h;
    InfluenceMap map;
    EXPECT_TRUE(map.update(h.game.position().Board));
    EXPECT_FALSE(map.update(h.game.position().Board));  // the same board is not surveyed again
    for (int x = 1; x <= 27; ++x) {
        EXPECT_EQ(map.balance(x, 11), -1);
        EXPECT_EQ(map.balance(x, 17), 1);
        for (int y = 12; y <= 16; ++y) EXPECT_EQ(map.balance(x, y), 0);
    }
    EXPECT_EQ(map.balance(14, 10), -3);  // the pawn, the rook and a bishop
    Cells board = h.game.position().Board;
    board(14, 17) = -30;
    board(14, 18) = EMPTY;
    EXPECT_TRUE(map.update(board));
    EXPECT_EQ(map.balance(14, 16), 1);
}

TEST(MoveNotes, ThinkingReadsFromTheViewersSideWithMatesInPlies) {
    const Move pawn{14, 18, 14, 17, -30, -30}, reply{14, 10, 14, 11, 30, 30};
    struct Case {
        int score;
        bool searcherLower, viewerLower;
        const char* scoreLine;
    } cases[] = {
        {125, false, true, "評価 -1.25"},
        {-4, true, true, "評価 -0.04"},
        {0, true, false, "評価 +0.00"},
        {engine::kMate - 5, false, true, "詰まされ 5手"},
        {engine::kMate - 3, true, true, "詰み 3手"},
        {-engine::kMate + 2, true, false, "詰み 2手"},
    };
    for (const Case& c : cases) {
        const level4::Thinking t{6, c.score, c.searcherLower, {pawn, reply}};
        const std::vector<std::string> lines = thinkingLines(t, c.viewerLower, true, 8);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0], "深さ 6");
        EXPECT_EQ(lines[1], c.scoreLine) << c.score;
        // ▲ for the side that moved first (here the lower one).
        EXPECT_EQ(lines[2], std::string(c.searcherLower ? "▲ " : "△ ") + "14 17歩");
    }
    EXPECT_EQ(thinkingLines(level4::Thinking{2, 0, true, {pawn, reply}}, true, true, 1).size(), 3u);
}

TEST(MoveNotes, ThinkingInEnglishKeepsTheMarks) {
    const std::pair<const char*, const char*> cases[] = {
        {"深さ 6", "Depth 6"}, {"評価 -1.25", "Score -1.25"}, {"詰まされ 5手", "Mated in 5"},
        {"▲ 14 17歩", "▲ P-14 17"}, {"△ ８ ５香成", "△ +L-8 5"},
    };
    for (const auto& [japanese, english] : cases) {
        EXPECT_EQ(shownLine(Language::English, japanese), english);
        EXPECT_EQ(shownLine(Language::Japanese, japanese), japanese);
    }
}

TEST(AidSettings, KeptBesideTheSettingsFileWhichKeepsItsThreeLines) {
    Harness h;
    const std::string ini = settingsPath(h.game);
    const std::string path = aidSettingsPath(ini);
    EXPECT_EQ(path, (h.folder.path / "OrizenAids.ini").string());
    EXPECT_EQ(aidSettingsPath("Orizen.ini"), "OrizenAids.ini");

    EXPECT_FALSE(readAidSettings(path).influenceMap);  // missing: all off
    std::string error;
    for (const AidSettings s : {AidSettings{true, false, 3, std::nullopt}, AidSettings{false, true, 10, Language::English},
                                AidSettings{true, true, 1, Language::Japanese}}) {
        ASSERT_TRUE(writeAidSettings(path, s, error)) << error;
        const AidSettings back = readAidSettings(path);
        EXPECT_EQ(back.influenceMap, s.influenceMap);
        EXPECT_EQ(back.moveList, s.moveList);
        EXPECT_EQ(back.level4Seconds, s.level4Seconds);
        EXPECT_EQ(back.language, s.language);
    }
    h.folder.write("OrizenAids.ini", "MoveList=on\nInfluenceMap=ON\r\nnoise\nLevel4Seconds=2\n");
    EXPECT_TRUE(readAidSettings(path).influenceMap);
    EXPECT_FALSE(readAidSettings(path).moveList);
    EXPECT_EQ(readAidSettings(path).level4Seconds, 1);  // only the times the menu offers
    EXPECT_FALSE(writeAidSettings((h.folder.path / "missing" / "OrizenAids.ini").string(), {}, error));
}

}  // namespace orizen::test
