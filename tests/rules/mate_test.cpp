// Mate tests of both kings and the lower king's escape squares.
#include <gtest/gtest.h>

#include "headless.h"

namespace orizen::test {

namespace {

// Lower king in the corner, checked down file 1 by an upper lance; the silver and gold take the
// two other neighbours.
void cornered(Bare& b) { b.put({{1, 27, -950}, {1, 20, 40}, {2, 25, 100}, {3, 27, 110}}); }

}  // namespace

TEST(MateLower, NoCheckNoMate) {
    Bare b;
    b.put({{14, 27, -950}, {20, 20, 900}}).survey();
    EXPECT_EQ(b.g.詰めかMAN(), NO);
    EXPECT_EQ(b.g.詰めかMAN_COM移動(), NO);
    b.put({{20, 27, 900}}).survey();
    EXPECT_EQ(b.g.詰めかMAN_COM移動(), YES);
}

TEST(MateLower, APieceInHandParriesAnyCheckFromAfarButNotFromNextDoor) {
    Bare b;
    cornered(b);
    b.survey();
    EXPECT_EQ(b.g.詰めかMAN(), YES);
    b.g.arrange().pos.LowerHandCount = 1;
    EXPECT_EQ(b.g.詰めかMAN(), NO);  // the lance checks from six squares away

    // A knight's check marks the king's own square: no piece in hand helps.
    Bare k;
    k.put({{1, 27, -950}, {2, 25, 50}, {3, 27, 110}, {1, 25, 100}}).survey();
    EXPECT_EQ(k.g.survey().CheckByUpper(1, 27), 9);
    k.g.arrange().pos.LowerHandCount = 3;
    EXPECT_EQ(k.g.詰めかMAN(), YES);

    // A gold next to the king, defended: mate whatever is in hand.
    Bare gold;
    gold.put({{14, 27, -950}, {14, 26, 110}, {14, 25, 30}, {13, 20, 900}, {15, 20, 900}}).survey();
    gold.g.arrange().pos.LowerHandCount = 5;
    EXPECT_EQ(gold.g.詰めかMAN(), YES);
}

TEST(MateLower, EscapeSquaresAndWhatStandsOnThem) {
    // A free neighbour is enough, even with nothing in hand.
    Bare free;
    free.put({{1, 27, -950}, {1, 20, 40}, {3, 27, 110}}).survey();
    EXPECT_EQ(free.g.調査_自王逃道(), 1);
    EXPECT_EQ(free.g.詰めかMAN(), NO);

    // Its own piece there: no escape, and the pawn cannot parry.
    Bare own;
    own.put({{1, 27, -950}, {1, 20, 40}, {3, 27, 110}, {2, 26, -30}}).survey();
    EXPECT_EQ(own.g.調査_自王逃道(), 0);
    EXPECT_EQ(own.g.詰めかMAN(), YES);

    // An undefended upper piece there: the king may take it, but it is no escape square.
    Bare take;
    take.put({{1, 27, -950}, {1, 20, 40}, {3, 27, 110}, {2, 26, 30}}).survey();
    EXPECT_EQ(take.g.survey().UpperInfluence(2, 26), 0);
    EXPECT_EQ(take.g.調査_自王逃道(), 0);
    EXPECT_EQ(take.g.詰めかMAN(), NO);

    // The square behind the king on the checking line is covered: the ray passes through.
    Bare line;
    line.put({{14, 14, -950}, {14, 5, 900}, {13, 5, 900}, {15, 5, 900}}).survey();
    EXPECT_EQ(line.g.survey().UpperInfluence(14, 15), 1);
    EXPECT_EQ(line.g.詰めかMAN(), YES);
}

TEST(MateLower, ParryingMovesAreTriedAndUndone) {
    // A bishop can take the rook that gives check.
    Bare capture;
    capture.put({{14, 27, -950}, {14, 24, 900}, {13, 20, 900}, {15, 20, 900}}).survey();
    EXPECT_EQ(capture.g.詰めかMAN(), YES);
    capture.put({{11, 21, -800}}).survey();
    const Cells board = capture.g.position().Board;
    const Map influence = capture.g.survey().UpperInfluence;
    EXPECT_EQ(capture.g.詰めかMAN(), NO);
    EXPECT_TRUE(capture.g.position().Board == board);
    EXPECT_TRUE(capture.g.survey().UpperInfluence == influence);  // no survey of its own

    // A silver can step between, but that opens the bishop's line: still mate.
    Bare pinned;
    pinned.put({{14, 27, -950}, {14, 24, 900}, {13, 20, 900}, {15, 26, -100}, {16, 26, 110}, {18, 23, 800}}).survey();
    EXPECT_EQ(pinned.g.詰めかMAN(), YES);
    pinned.put({{18, 23, EMPTY}}).survey();
    EXPECT_EQ(pinned.g.詰めかMAN(), NO);
}

TEST(MateUpper, MirrorsTheLowerTestAndJudgesTrialsBySurvey) {
    // Upper king in the corner: a lower lance checks, a gold and a silver take the neighbours.
    Bare b;
    b.put({{27, 1, 950}, {27, 8, -40}, {25, 1, -110}, {26, 3, -100}}).survey();
    EXPECT_EQ(b.g.詰めかCOM(), YES);
    b.g.arrange().pos.UpperHandCount = 1;
    EXPECT_EQ(b.g.詰めかCOM(), NO);
    b.g.arrange().pos.UpperHandCount = 0;

    // A bishop takes the lance: the trial's survey finds the king free.
    b.put({{20, 1, 800}}).survey();
    const Cells board = b.g.position().Board;
    EXPECT_EQ(b.g.詰めかCOM(), NO);
    EXPECT_TRUE(b.g.position().Board == board);
    // The maps now describe the trial position, lance taken.
    EXPECT_EQ(b.g.position().Board(27, 8), -40);
    EXPECT_EQ(b.g.survey().LowerInfluence(27, 7), 0);

    // The silver can step between, but that opens a lower bishop's line: the trial's survey
    // sees it.
    Bare open;
    open.put({{27, 1, 950}, {27, 8, -40}, {25, 1, -110}, {26, 2, 100}, {23, 5, -800}}).survey();
    EXPECT_EQ(open.g.survey().LowerInfluence(27, 1), 1);
    const Cells before = open.g.position().Board;
    EXPECT_EQ(open.g.詰めかCOM(), YES);
    EXPECT_TRUE(open.g.position().Board == before);
    open.put({{23, 5, EMPTY}}).survey();
    EXPECT_EQ(open.g.詰めかCOM(), NO);
}

TEST(MateUpper, KnightCheckAndNoKing) {
    Bare k;
    k.put({{27, 1, 950}, {26, 3, -50}, {25, 1, -110}, {27, 3, -100}}).survey();
    EXPECT_EQ(k.g.survey().CheckByLower(27, 1), 9);
    k.g.arrange().pos.UpperHandCount = 2;
    EXPECT_EQ(k.g.詰めかCOM(), YES);

    Bare none;
    none.put({{5, 5, -900}}).survey();
    EXPECT_EQ(none.g.詰めかCOM(), NO);
    EXPECT_EQ(none.g.詰めかMAN(), NO);
}

TEST(Escapes, CountsOnlyEmptyUnreachedNeighboursOnTheBoard) {
    Bare b;
    b.put({{14, 14, -950}}).survey();
    EXPECT_EQ(b.g.調査_自王逃道(), 8);
    b.put({{14, 13, -30}, {15, 15, 30}, {20, 13, 900}}).survey();
    EXPECT_EQ(b.g.調査_自王逃道(), 5);  // (15, 13) covered, (14, 13) and (15, 15) occupied

    Bare corner;
    corner.put({{27, 27, -950}}).survey();
    EXPECT_EQ(corner.g.調査_自王逃道(), 3);

    // Before any survey the king's square is (0, 0): only (1, 1) can count.
    Bare fresh;
    EXPECT_EQ(fresh.g.調査_自王逃道(), 1);
    fresh.put({{1, 1, 30}});
    EXPECT_EQ(fresh.g.調査_自王逃道(), 0);
}

}  // namespace orizen::test
