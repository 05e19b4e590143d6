// Game flow driven by clicks and menu commands: starting games, selecting, moving, refusals, ends.
#include <gtest/gtest.h>

#include "play.h"

namespace orizen::test {

constexpr std::intptr_t kForbidden = 2, kPiece = 3, kGameEnd = 4;

TEST(Flow, BeforeAnyGameAClickIsRefusedAndChangesNothing) {
    Harness h;
    const Position start = snapshot(h.game);
    h.played();
    h.click(5, 18);
    h.click(-3, 40);
    EXPECT_EQ(h.played(), (Played{kForbidden, kForbidden}));
    ASSERT_EQ(h.host.boxes.size(), 2u);
    EXPECT_EQ(h.host.boxes[0].text, "「対局」で始めて下さい");
    EXPECT_EQ(h.host.boxes[0].title, "開始");
    EXPECT_EQ(h.host.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(snapshot(h.game), start);
    EXPECT_EQ(h.game.selected().SelectState, 0);
}

// A whole game between two people from the opening array: captures, a promotion by right click,
// drops by both sides, the refusals along the way, and the first player taking the king.
TEST(Flow, ShortGameBetweenTwoPeople) {
    Harness h;
    Game& g = h.game;
    runCommand(g, Menu::START);
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].text, "先手の番です");
    EXPECT_EQ(h.host.boxes[0].title, " ");
    EXPECT_EQ(g.state().Turn, TURN_FIRST);
    EXPECT_EQ(g.state().GameMode, MODE_HUMAN);
    h.played();

    play(h, 14, 18, 14, 17);
    EXPECT_EQ(g.position().Board(14, 17), -30);
    EXPECT_EQ(g.position().Board(14, 18), EMPTY);
    EXPECT_EQ(g.state().Turn, TURN_SECOND);
    EXPECT_EQ(g.state().MoveNumber, 1);
    EXPECT_EQ(h.played(), Played{kPiece});

    // The second player may not pick a lower piece: it shows guidance only.
    h.click(5, 18);
    EXPECT_EQ(g.selected().SelectState, 0);
    play(h, 14, 10, 14, 11);
    EXPECT_EQ(g.position().Board(14, 11), 30);
    EXPECT_EQ(g.state().Turn, TURN_FIRST);

    // The bishop takes a pawn in the zone and promotes on a right click.
    play(h, 9, 23, 22, 10, RIGHT_BUTTON);
    EXPECT_EQ(g.position().Board(22, 10), -801);
    EXPECT_EQ(g.position().HandLower(1), 1);
    EXPECT_EQ(g.position().LowerHandCount, 1);
    EXPECT_EQ(g.moveHistory().RecPiece(3), -800);
    EXPECT_EQ(g.moveHistory().RecResult(3), -801);
    EXPECT_EQ(g.moveHistory().RecCaptured(3), 30);

    // A left click in the zone leaves the bishop unpromoted.
    play(h, 19, 5, 6, 18);
    EXPECT_EQ(g.position().Board(6, 18), 800);
    EXPECT_EQ(g.position().HandUpper(1), 1);
    EXPECT_EQ(g.position().UpperHandCount, 1);
    h.played();

    // The first player picks the second player's pawn in hand: shown, but the drop is refused.
    h.canvas.clear();
    h.click(-1, 7);
    EXPECT_EQ(g.selected().SelectState, 1);
    EXPECT_EQ(lastOutline(h.canvas, -1, 7), g.options().GuidanceColour);
    h.click(6, 15);
    EXPECT_EQ(g.selected().SelectState, 0);
    EXPECT_EQ(g.position().Board(6, 15), EMPTY);
    EXPECT_EQ(h.played(), Played{kForbidden});

    // Two pawns on file 5 are refused; file 6 lost its pawn, so the drop is fine there.
    dropLower(h, 1, 5, 15);
    EXPECT_EQ(g.position().Board(5, 15), EMPTY);
    EXPECT_EQ(g.position().HandLower(1), 1);
    EXPECT_EQ(h.played(), Played{kForbidden});
    dropLower(h, 1, 6, 15);
    EXPECT_EQ(g.position().Board(6, 15), -30);
    EXPECT_EQ(g.position().HandLower(1), 0);
    EXPECT_EQ(g.position().LowerHandCount, 0);
    EXPECT_EQ(g.moveHistory().RecFromX(5), 29);
    EXPECT_EQ(g.moveHistory().RecFromY(5), 21);
    EXPECT_EQ(g.state().Turn, TURN_SECOND);

    h.canvas.clear();
    h.click(-1, 7);
    EXPECT_EQ(lastOutline(h.canvas, -1, 7), COLOUR_SELECT);  // the mover's own hand
    h.click(22, 12);
    EXPECT_EQ(g.position().Board(22, 12), 30);
    EXPECT_EQ(g.position().HandUpper(1), 0);
    EXPECT_EQ(g.position().UpperHandCount, 0);
    EXPECT_EQ(g.moveHistory().RecFromX(6), -1);
    EXPECT_EQ(g.moveHistory().RecFromY(6), 7);  // the person's drop is stored by its slot row

    play(h, 22, 10, 15, 3);  // takes a silver
    play(h, 1, 10, 1, 11);
    play(h, 15, 3, 14, 2);  // takes a rook
    play(h, 2, 10, 2, 11);
    EXPECT_EQ(g.position().HandLower(4), 1);
    EXPECT_EQ(g.position().HandLower(7), 1);
    EXPECT_EQ(g.position().LowerHandCount, 2);
    EXPECT_TRUE(totalsMatchHands(g));
    EXPECT_EQ(g.state().MoveNumber, 10);
    h.played();
    h.host.boxes.clear();

    h.host.answers = {Answer::Yes};
    play(h, 14, 2, 14, 1);  // takes the king
    ASSERT_EQ(h.host.boxes.size(), 2u);
    EXPECT_EQ(h.host.boxes[0].text, "先手の勝ちです");
    EXPECT_EQ(h.host.boxes[0].title, "終了");
    EXPECT_EQ(h.host.boxes[0].buttons, Buttons::Ok);
    EXPECT_EQ(h.host.boxes[1].text, "続けますか？");
    EXPECT_EQ(h.host.boxes[1].title, "再ゲーム");
    EXPECT_EQ(h.host.boxes[1].buttons, Buttons::YesNo);
    EXPECT_EQ(h.played(), (Played{kPiece, kGameEnd, kPiece}));

    // Playing again: the opening array, no game, the move number kept.
    Harness fresh;
    EXPECT_EQ(g.position().Board, fresh.game.position().Board);
    EXPECT_EQ(g.position().LowerHandCount, 0);
    EXPECT_EQ(g.state().Turn, NO_GAME);
    EXPECT_EQ(g.state().GameMode, NO_GAME);
    EXPECT_EQ(g.state().Winner, NO_GAME);
    EXPECT_EQ(g.moveHistory().RecordCount, 0);
    EXPECT_EQ(g.state().MoveNumber, 11);
    EXPECT_FALSE(g.state().Ended);
    h.host.boxes.clear();
    h.click(14, 18);
    EXPECT_EQ(h.host.texts(), std::vector<std::string>{"「対局」で始めて下さい"});
}

TEST(Flow, SecondPlayerTakingTheKingWinsAndNoEndsTheProgram) {
    Harness h;
    Game& g = h.game;
    clearPosition(g);
    g.arrange().pos.Board(1, 20) = -30;
    g.arrange().pos.Board(14, 5) = 900;
    runCommand(g, Menu::START);
    play(h, 1, 20, 1, 19);
    h.played();
    h.host.boxes.clear();
    h.host.answers = {Answer::No};
    play(h, 14, 5, 14, 27);
    EXPECT_EQ(h.host.texts(), (std::vector<std::string>{"後手の勝ちです", "続けますか？"}));
    EXPECT_TRUE(g.state().Ended);
    EXPECT_EQ(h.host.quits, 1);
    // The sounds are let go before the program ends.
    EXPECT_NE(std::find(h.sound.calls.begin(), h.sound.calls.end(), "dsFree 5"), h.sound.calls.end());

    // Nothing more happens once the program has been told to end.
    const Position end = snapshot(g);
    const int turn = g.state().Turn;
    h.host.boxes.clear();
    h.played();
    h.click(1, 19);
    h.click(2, 18);
    runCommand(g, Menu::REPLAY);
    runCommand(g, Menu::START);
    EXPECT_TRUE(h.host.boxes.empty());
    EXPECT_TRUE(h.played().empty());
    EXPECT_EQ(snapshot(g), end);
    EXPECT_EQ(g.state().Turn, turn);
    EXPECT_EQ(h.host.quits, 1);
}

TEST(Flow, AMoveThatCannotGoOnUnpromotedNeedsTheRightButton) {
    Harness h;
    Game& g = h.game;
    clearPosition(g);
    g.arrange().pos.Board(5, 2) = -30;
    g.arrange().pos.Board(10, 24) = 50;
    g.arrange().pos.Board(20, 5) = 30;
    g.arrange().pos.Board(8, 12) = -100;
    runCommand(g, Menu::START);
    h.host.boxes.clear();
    h.played();

    play(h, 5, 2, 5, 1);
    EXPECT_EQ(h.played(), Played{kForbidden});
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].text, "マウスの右をクリックして下さい");
    EXPECT_EQ(h.host.boxes[0].title, "成り");
    EXPECT_EQ(g.position().Board(5, 2), -30);
    EXPECT_EQ(g.selected().SelectState, 1);  // kept, so the same square can be right-clicked
    EXPECT_EQ(g.state().MoveNumber, 0);
    h.click(5, 1, RIGHT_BUTTON);
    EXPECT_EQ(g.position().Board(5, 1), -31);
    EXPECT_EQ(g.moveHistory().RecPiece(1), -30);
    EXPECT_EQ(g.moveHistory().RecResult(1), -31);

    play(h, 10, 24, 9, 26);  // an upper knight on row 26 must promote
    EXPECT_EQ(g.position().Board(10, 24), 50);
    EXPECT_EQ(g.state().Turn, TURN_SECOND);
    h.click(9, 26, RIGHT_BUTTON);
    EXPECT_EQ(g.position().Board(9, 26), 51);

    play(h, 8, 12, 8, 11, RIGHT_BUTTON);  // outside the zone a right click makes a plain move
    EXPECT_EQ(g.position().Board(8, 11), -100);
    play(h, 20, 5, 20, 6, RIGHT_BUTTON);
    EXPECT_EQ(g.position().Board(20, 6), 30);
    EXPECT_EQ(g.state().MoveNumber, 4);
}

TEST(Flow, DropsOnRanksWhereThePieceCouldNeverMoveAreRefused) {
    Harness h;
    Game& g = h.game;
    clearPosition(g);
    g.arrange().pos.HandLower(1) = 1, g.arrange().pos.HandLower(3) = 1, g.arrange().pos.LowerHandCount = 2;
    g.arrange().pos.HandUpper(1) = 1, g.arrange().pos.HandUpper(3) = 1, g.arrange().pos.UpperHandCount = 2;
    runCommand(g, Menu::START);
    const Position start = snapshot(g);
    h.played();

    dropLower(h, 1, 3, 1);
    dropLower(h, 3, 3, 2);
    dropLower(h, 3, 3, 1);
    EXPECT_EQ(h.played(), (Played{kForbidden, kForbidden, kForbidden}));
    EXPECT_EQ(snapshot(g), start);
    dropLower(h, 3, 3, 3);
    EXPECT_EQ(g.position().Board(3, 3), -50);

    dropUpper(h, 1, 4, 27);
    dropUpper(h, 3, 4, 26);
    EXPECT_EQ(h.played(), (Played{kPiece, kForbidden, kForbidden}));
    dropUpper(h, 3, 4, 25);
    EXPECT_EQ(g.position().Board(4, 25), 50);
    EXPECT_EQ(g.position().UpperHandCount, 1);
}

TEST(Flow, OpponentPieceShowsItsGuidanceButSelectsNothing) {
    Harness h;
    Game& g = h.game;
    runCommand(g, Menu::START);
    h.canvas.clear();
    h.click(5, 10);
    EXPECT_EQ(g.selected().SelectState, 0);
    EXPECT_EQ(lastOutline(h.canvas, 5, 10), g.options().GuidanceColour);
    EXPECT_EQ(lastOutline(h.canvas, 5, 11), g.options().GuidanceColour);  // where the pawn could go
    // The next board click is a first click again: an empty square only clears the guidance.
    h.click(5, 11);
    EXPECT_EQ(g.position().Board(5, 10), 30);
    EXPECT_EQ(g.state().MoveNumber, 0);
    EXPECT_EQ(lastOutline(h.canvas, 5, 11), g.options().GuidanceOffColour);

    // Picking another own piece while one is selected moves the selection.
    h.click(5, 18);
    h.click(6, 18);
    EXPECT_EQ(g.selected().MoveFromX, 6);
    h.click(6, 17);
    EXPECT_EQ(g.position().Board(6, 17), -30);
    EXPECT_EQ(g.position().Board(5, 18), -30);

    // An empty hand slot clears the guidance and keeps the selection.
    h.click(5, 10);  // second player's turn now: own piece
    EXPECT_EQ(g.selected().SelectState, 1);
    h.click(-1, 4);
    EXPECT_EQ(g.selected().SelectState, 1);
    h.click(5, 11);
    EXPECT_EQ(g.position().Board(5, 11), 30);
}

TEST(Flow, GuidanceCanBeSwitchedOff) {
    Harness h;
    Game& g = h.game;
    runCommand(g, Menu::START);
    h.canvas.clear();
    h.click(5, 18);
    EXPECT_EQ(outlinesIn(h.canvas, COLOUR_WHITE), 1);
    EXPECT_EQ(lastOutline(h.canvas, 5, 17), COLOUR_WHITE);
    EXPECT_EQ(lastOutline(h.canvas, 5, 18), COLOUR_SELECT);

    runCommand(g, Menu::SIDOU);
    EXPECT_FALSE(g.isChecked(Menu::SIDOU));
    EXPECT_FALSE(h.host.checks[Menu::SIDOU]);
    EXPECT_EQ(g.options().GuidanceColour, g.options().GuidanceOffColour);
    EXPECT_EQ(lastOutline(h.canvas, 5, 17), g.options().GuidanceOffColour);  // the old guidance is gone
    h.canvas.clear();
    h.click(9, 23);
    EXPECT_EQ(outlinesIn(h.canvas, COLOUR_WHITE), 0);
    EXPECT_EQ(g.selected().SelectState, 1);

    runCommand(g, Menu::SIDOU);
    EXPECT_TRUE(g.isChecked(Menu::SIDOU));
    EXPECT_EQ(g.options().GuidanceColour, COLOUR_WHITE);
    h.canvas.clear();
    h.click(9, 23);
    EXPECT_GT(outlinesIn(h.canvas, COLOUR_WHITE), 0);
}

// The last move of each side in notation: file 27 at the left edge down to file 1 at the right.
TEST(Flow, MoveTextsNameFileRankAndPiece) {
    Harness h;
    Game& g = h.game;
    runCommand(g, Menu::START);
    h.canvas.clear();
    play(h, 27, 18, 27, 17);
    std::vector<std::string> lowerTexts;
    for (const auto& op : h.canvas.texts())
        if (op.X >= cellX(LowerResultX) && op.Y >= cellY(LowerResultY) && op.Y < cellY(LowerResultY + 1))
            lowerTexts.push_back(op.text);
    EXPECT_EQ(lowerTexts, (std::vector<std::string>{"１", "１", "17", "17", "歩", "歩"}));

    h.canvas.clear();
    play(h, 1, 10, 1, 11);
    std::vector<RecordingCanvas::Op> upper;
    for (const auto& op : h.canvas.texts())
        if (op.X < cellX(1) && op.Y >= cellY(UpperResultY) && op.Y < cellY(UpperResultY + 1)) upper.push_back(op);
    ASSERT_EQ(upper.size(), 6u);
    EXPECT_EQ(upper[0].text, "27");
    EXPECT_EQ(upper[0].code, COLOUR_BLACK);  // the shadow first
    EXPECT_EQ(upper[1].code, ResultColour);
    EXPECT_DOUBLE_EQ(upper[1].X, cellX(UpperResultX + 0.4));
    EXPECT_EQ(upper[2].text, "11");
    EXPECT_EQ(upper[3].code, 12);
    EXPECT_EQ(upper[5].text, "歩");

    // The move number follows each move.
    bool shown = false;
    for (const auto& op : h.canvas.texts()) shown |= op.text == " 2" && op.X == cellX(31.2);
    EXPECT_TRUE(shown);
    EXPECT_EQ(g.state().MoveNumber, 2);
}

TEST(Flow, GamesAgainstTheComputer) {
    Harness h;
    Game& g = h.game;
    runCommand(g, Menu::SENTE);
    ASSERT_EQ(h.host.boxes.size(), 1u);
    EXPECT_EQ(h.host.boxes[0].text, "あなたの番です");
    EXPECT_EQ(h.host.boxes[0].title, " ");
    EXPECT_EQ(g.state().HumanSide, TURN_FIRST);
    EXPECT_EQ(g.state().OtherSide, TURN_SECOND);
    EXPECT_EQ(g.state().Turn, TURN_FIRST);
    EXPECT_EQ(g.state().GameMode, MODE_COMPUTER);
    bool level = false;
    for (const auto& op : h.canvas.texts()) level |= op.text == "LEVEL";
    EXPECT_TRUE(level);

    // Taking the computer's king wins at once.
    clearPosition(g);
    g.arrange().pos.Board(14, 5) = -900;
    h.host.boxes.clear();
    h.host.answers = {Answer::Yes};
    play(h, 14, 5, 14, 1);
    EXPECT_EQ(h.host.texts(), (std::vector<std::string>{"あなたの勝ちです", "続けますか？"}));
    EXPECT_EQ(g.state().Turn, NO_GAME);
    EXPECT_EQ(g.position().Board(14, 1), 950);  // the opening array again

    g.arrangeFlow().RecordMode = YES;
    runCommand(g, Menu::GOTE);
    EXPECT_EQ(g.state().HumanSide, TURN_SECOND);
    EXPECT_EQ(g.state().OtherSide, TURN_FIRST);
    EXPECT_EQ(g.state().GameMode, MODE_COMPUTER);
    EXPECT_EQ(g.state().RecordMode, NO);
}

TEST(Flow, AClickWhileARecordIsViewedOffersToLeaveIt) {
    Harness h;
    Game& g = h.game;
    g.arrangeFlow().RecordMode = YES;
    g.arrangeHistory().RecordCount = 3;
    h.host.answers = {Answer::Yes, Answer::No};
    h.click(5, 18);
    EXPECT_EQ(g.state().RecordMode, YES);
    h.played();
    h.click(5, 18);
    ASSERT_EQ(h.host.boxes.size(), 2u);
    EXPECT_EQ(h.host.boxes[1].text, "棋譜を '進 'で進めて下さい");
    EXPECT_EQ(h.host.boxes[1].title, "棋譜");
    EXPECT_EQ(h.host.boxes[1].buttons, Buttons::YesNo);
    EXPECT_EQ(g.state().RecordMode, NO);  // started afresh
    EXPECT_EQ(g.moveHistory().RecordCount, 0);
    const Played p = h.played();
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.back(), g.soundHandles().SoundPiece);
}

}  // namespace orizen::test

namespace orizen::test {

// While the computer thinks, only what changes no game goes through (no record is read or written
// under it); 終わり gives the thinking up.
TEST(Controller, WhileBusyOnlyWhatChangesNoGameGoesThrough) {
    Harness h;
    runCommand(h.game, Menu::SENTE);
    const Position before = snapshot(h.game);
    Controller c(h.game);
    c.busy = true;
    int abandoned = 0;
    c.abandon = [&] { ++abandoned; };
    h.played();
    const size_t boxes = h.host.boxes.size();
    c.press(LEFT_BUTTON, 0, cellX(14) + 1, cellY(20) + 1);
    c.command(Menu::REPLAY);
    c.command(Menu::LEVEL1);
    c.readRecord((h.folder.path / "a.kif").string());  // no record is read under the search
    c.writeRecord();
    EXPECT_EQ(h.played(), Played(5, kForbidden));
    EXPECT_EQ(h.host.boxes.size(), boxes);
    EXPECT_EQ(h.game.selected().SelectState, 0);
    EXPECT_TRUE(h.game.isChecked(Menu::LEVEL3));
    c.command(Menu::VER);
    EXPECT_EQ(h.host.versionDialogs, 1);
    EXPECT_EQ(snapshot(h.game), before);
    c.command(Menu::OWARI);
    EXPECT_EQ(abandoned, 1);
}

}  // namespace orizen::test
