// The influence survey and the pinned-piece survey.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "rules/reach.h"
#include "headless.h"

namespace orizen::test {

namespace {

int sum(const Map& m) {
    int s = 0;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) s += m(x, y);
    return s;
}

}  // namespace

TEST(Survey, OpeningArrayInfluenceRowsGuardsAndKings) {
    Bare b;
    const Game& g = b.opening().survey().g;
    for (int x = 1; x <= 27; ++x) {
        EXPECT_EQ(g.survey().UpperInfluence(x, 11), 1) << x;
        EXPECT_EQ(g.survey().LowerInfluence(x, 11), 0) << x;
        EXPECT_EQ(g.survey().LowerInfluence(x, 17), 1) << x;
        EXPECT_EQ(g.survey().UpperInfluence(x, 17), 0) << x;
        for (int y = 12; y <= 16; ++y) {
            EXPECT_EQ(g.survey().UpperInfluence(x, y), 0) << x << "," << y;
            EXPECT_EQ(g.survey().LowerInfluence(x, y), 0) << x << "," << y;
        }
    }
    // The rook and both bishops reach (14, 10); the bishop on (9, 5) is met first.
    EXPECT_EQ(g.survey().UpperInfluence(14, 10), 3);
    EXPECT_EQ(g.survey().UpperGuard(14, 10), 800);
    EXPECT_EQ(g.remembered().UpperGuardX(14, 10), 9);
    EXPECT_EQ(g.remembered().UpperGuardY(14, 10), 5);
    EXPECT_EQ(g.survey().LowerGuard(14, 18), -900);
    EXPECT_EQ(g.survey().UpperGuard(2, 10), 50);
    EXPECT_EQ(g.remembered().UpperGuardX(2, 10), 3);
    EXPECT_EQ(g.remembered().UpperGuardY(2, 10), 8);
    EXPECT_EQ(sum(g.survey().CheckByLower), 0);
    EXPECT_EQ(sum(g.survey().CheckByUpper), 0);
    EXPECT_EQ(g.position().LowerKingX, 14);
    EXPECT_EQ(g.position().LowerKingY, 27);
    EXPECT_EQ(g.position().UpperKingX, 14);
    EXPECT_EQ(g.position().UpperKingY, 1);
}

TEST(Survey, EmptyBoardLeavesStartValuesAndTheUnusedBorderUntouched) {
    Bare b;
    b.put({{3, 3, 900}}).survey();
    b.g.arrange().pos.Board(3, 3) = EMPTY;
    const Game& g = b.survey().g;
    for (int x = 0; x <= 27; ++x)
        for (int y = 0; y <= 27; ++y) {
            const bool inside = x >= 1 && y >= 1;
            EXPECT_EQ(g.survey().LowerInfluence(x, y), 0);
            EXPECT_EQ(g.survey().UpperInfluence(x, y), 0);
            EXPECT_EQ(g.survey().LowerGuard(x, y), inside ? 999 : 0);
            EXPECT_EQ(g.survey().UpperGuard(x, y), inside ? 999 : 0);
            EXPECT_EQ(g.survey().UpperAttacker(x, y), inside ? 999 : 0);
            EXPECT_EQ(g.survey().LowerAttacker(x, y), inside ? -999 : 0);
            EXPECT_EQ(g.survey().CheckByLower(x, y), 0);
            EXPECT_EQ(g.survey().CheckByUpper(x, y), 0);
        }
}

TEST(Survey, RaysPassThroughTheEnemyKingAndMarkTheCheckLine) {
    Bare b;
    b.put({{14, 20, -900}, {14, 15, 950}, {14, 12, 110}}).survey();
    const Game& g = b.g;
    for (int y = 12; y <= 19; ++y) EXPECT_EQ(g.survey().LowerInfluence(14, y), 1) << y;
    EXPECT_EQ(g.survey().LowerInfluence(14, 11), 0);
    for (int y = 16; y <= 19; ++y) EXPECT_EQ(g.survey().CheckByLower(14, y), 1) << y;
    EXPECT_EQ(g.survey().CheckByLower(14, 20), 9);
    EXPECT_EQ(g.survey().CheckByLower(14, 15), 0);
    EXPECT_EQ(sum(g.survey().CheckByLower), 4 + 9);
    for (int y : {15, 12}) {
        EXPECT_EQ(g.survey().LowerAttacker(14, y), -900);
        EXPECT_EQ(g.survey().LowerAttackerX(14, y), 14);
        EXPECT_EQ(g.survey().LowerAttackerY(14, y), 20);
    }

    // The same for an upper bishop's diagonal through the lower king.
    Bare d;
    d.put({{5, 5, 800}, {8, 8, -950}, {10, 10, -30}}).survey();
    for (int i = 6; i <= 10; ++i) EXPECT_EQ(d.g.survey().UpperInfluence(i, i), 1) << i;
    EXPECT_EQ(d.g.survey().UpperInfluence(11, 11), 0);
    EXPECT_EQ(d.g.survey().CheckByUpper(6, 6), 1);
    EXPECT_EQ(d.g.survey().CheckByUpper(7, 7), 1);
    EXPECT_EQ(d.g.survey().CheckByUpper(5, 5), 9);
    EXPECT_EQ(sum(d.g.survey().CheckByUpper), 11);
    EXPECT_EQ(d.g.survey().UpperAttacker(10, 10), 800);
    EXPECT_EQ(d.g.remembered().UpperAttackerX(10, 10), 5);
    EXPECT_EQ(d.g.remembered().UpperAttackerY(10, 10), 5);

    // Next to the king: no square between, the ray's own square still gets 9.
    Bare n;
    n.put({{14, 16, -40}, {14, 15, 950}}).survey();
    EXPECT_EQ(n.g.survey().CheckByLower(14, 16), 9);
    EXPECT_EQ(sum(n.g.survey().CheckByLower), 9);
    EXPECT_EQ(n.g.survey().LowerInfluence(14, 1), 1);  // on through the king to the edge

    // Its own king stops a ray, which guards it.
    Bare o;
    o.put({{14, 20, -900}, {14, 15, -950}}).survey();
    EXPECT_EQ(o.g.survey().LowerGuard(14, 15), -900);
    EXPECT_EQ(o.g.survey().LowerInfluence(14, 14), 1);  // the king's own step only
    EXPECT_EQ(o.g.survey().LowerInfluence(14, 13), 0);
}

TEST(Survey, CodesEnteredByGoldLikesHorsesAndSteppers) {
    // Every upper gold-like enters 110 and records no square; a pawn beats it.
    Bare a;
    a.put({{4, 6, 31}, {5, 6, 100}}).survey();
    EXPECT_EQ(a.g.survey().UpperGuard(5, 6), 110);
    EXPECT_EQ(a.g.remembered().UpperGuardX(5, 6), 0);
    a.put({{5, 5, 30}}).survey();
    EXPECT_EQ(a.g.survey().UpperGuard(5, 6), 30);
    EXPECT_EQ(a.g.remembered().UpperGuardX(5, 6), 0);

    Bare s;
    s.put({{10, 10, -101}, {10, 9, -30}}).survey();
    EXPECT_EQ(s.g.survey().LowerGuard(10, 9), -101);

    // A lower horse: −801 on its orthogonal steps, −800 on its diagonals.
    Bare lh;
    lh.put({{10, 10, -801}, {10, 9, -30}, {11, 11, -30}, {8, 8, 30}}).survey();
    EXPECT_EQ(lh.g.survey().LowerGuard(10, 9), -801);
    EXPECT_EQ(lh.g.survey().LowerGuard(11, 11), -800);
    EXPECT_EQ(lh.g.survey().LowerAttacker(8, 8), -800);
    EXPECT_EQ(lh.g.survey().LowerAttackerX(8, 8), 10);
    EXPECT_EQ(lh.g.survey().LowerAttackerY(8, 8), 10);

    // An upper horse's orthogonal steps count but guard and attack nothing.
    Bare uh;
    uh.put({{20, 20, 801}, {20, 19, 30}, {20, 21, -30}, {21, 21, 30}}).survey();
    EXPECT_EQ(uh.g.survey().UpperInfluence(20, 19), 1);
    EXPECT_EQ(uh.g.survey().UpperGuard(20, 19), 999);
    EXPECT_EQ(uh.g.survey().UpperInfluence(20, 21), 1);
    EXPECT_EQ(uh.g.survey().UpperAttacker(20, 21), 999);
    EXPECT_EQ(uh.g.survey().UpperGuard(21, 21), 801);
    EXPECT_EQ(uh.g.remembered().UpperGuardX(21, 21), 20);
    uh.put({{20, 21, -950}}).survey();
    EXPECT_EQ(uh.g.survey().CheckByUpper(20, 20), 9);

    // Golds, silvers, knights and kings never attack for the upper side.
    Bare st;
    st.put({{5, 5, 110}, {5, 6, -30}, {9, 5, 100}, {9, 6, -30}, {13, 5, 50}, {14, 7, -30}, {20, 5, 950},
            {20, 6, -30}})
        .survey();
    for (auto [x, y] : std::initializer_list<std::pair<int, int>>{{5, 6}, {9, 6}, {14, 7}, {20, 6}}) {
        EXPECT_EQ(st.g.survey().UpperInfluence(x, y), 1) << x;
        EXPECT_EQ(st.g.survey().UpperAttacker(x, y), 999) << x;
    }
    // An upper pawn attacks without recording its square.
    Bare p;
    p.put({{7, 7, 30}, {7, 8, -100}}).survey();
    EXPECT_EQ(p.g.survey().UpperAttacker(7, 8), 30);
    EXPECT_EQ(p.g.remembered().UpperAttackerX(7, 8), 0);
}

TEST(Survey, TiesGoToTheFirstPieceOfTheScan) {
    // A lower pawn beats a lower silver whichever comes first.
    for (int silverX : {4, 6}) {
        Bare b;
        b.put({{5, 10, 30}, {5, 11, -30}, {silverX, 11, -100}}).survey();
        EXPECT_EQ(b.g.survey().LowerInfluence(5, 10), 2);
        EXPECT_EQ(b.g.survey().LowerAttacker(5, 10), -30) << silverX;
        EXPECT_EQ(b.g.survey().LowerAttackerX(5, 10), 5) << silverX;
        EXPECT_EQ(b.g.survey().LowerAttackerY(5, 10), 11) << silverX;
    }
    // Equal codes: the first bishop keeps the square.
    Bare u;
    u.put({{2, 2, 800}, {8, 2, 800}, {5, 5, 100}, {5, 8, -30}, {2, 11, 800}, {8, 11, 800}}).survey();
    EXPECT_EQ(u.g.survey().UpperInfluence(5, 8), 2);
    EXPECT_EQ(u.g.remembered().UpperGuardX(5, 5), 2);
    EXPECT_EQ(u.g.remembered().UpperGuardY(5, 5), 2);
    EXPECT_EQ(u.g.remembered().UpperAttackerX(5, 8), 2);
    EXPECT_EQ(u.g.remembered().UpperAttackerY(5, 8), 11);
    Bare l;
    l.put({{5, 5, 30}, {4, 5, -110}, {6, 5, -110}}).survey();
    EXPECT_EQ(l.g.survey().LowerAttackerX(5, 5), 4);
    // The lower king is the most valuable guard.
    Bare k;
    k.put({{5, 5, -30}, {5, 6, -950}, {4, 5, -110}}).survey();
    EXPECT_EQ(k.g.survey().LowerGuard(5, 5), -950);
}

TEST(Survey, CheckMarksOfStepPieces) {
    Bare kn;
    kn.put({{10, 10, 950}, {11, 12, -50}, {9, 11, -110}}).survey();
    EXPECT_EQ(kn.g.survey().CheckByLower(11, 12), 9);
    EXPECT_EQ(kn.g.survey().CheckByLower(10, 10), 9);
    EXPECT_EQ(kn.g.survey().CheckByLower(9, 11), 9);
    EXPECT_EQ(sum(kn.g.survey().CheckByLower), 27);

    Bare ukn;
    ukn.put({{10, 12, -950}, {11, 10, 50}}).survey();
    EXPECT_EQ(ukn.g.survey().CheckByUpper(11, 10), 9);
    EXPECT_EQ(ukn.g.survey().CheckByUpper(10, 12), 9);

    // Kings set no marks on each other.
    Bare kk;
    kk.put({{10, 10, 950}, {10, 11, -950}}).survey();
    EXPECT_EQ(sum(kk.g.survey().CheckByLower), 0);
    EXPECT_EQ(sum(kk.g.survey().CheckByUpper), 0);
    EXPECT_EQ(kk.g.survey().LowerAttacker(10, 10), -950);
}

TEST(Survey, EdgesAndIgnoredCodes) {
    Bare gold;
    gold.put({{5, 1, -110}}).survey();
    EXPECT_EQ(sum(gold.g.survey().LowerInfluence), 3);
    EXPECT_EQ(gold.g.survey().LowerInfluence(5, 2), 1);
    EXPECT_EQ(gold.g.survey().LowerInfluence(4, 1), 1);
    EXPECT_EQ(gold.g.survey().LowerInfluence(6, 1), 1);

    Bare bishop;
    bishop.put({{1, 1, 800}}).survey();
    EXPECT_EQ(sum(bishop.g.survey().UpperInfluence), 26);
    EXPECT_EQ(bishop.g.survey().UpperInfluence(27, 27), 1);

    Bare knights;
    knights.put({{5, 26, 50}, {8, 27, 50}, {5, 2, -50}, {8, 1, -50}}).survey();
    EXPECT_EQ(sum(knights.g.survey().UpperInfluence), 0);
    EXPECT_EQ(sum(knights.g.survey().LowerInfluence), 0);

    Bare reserved;
    reserved.put({{5, 5, 111}, {9, 9, -111}}).survey();
    EXPECT_EQ(sum(reserved.g.survey().UpperInfluence) + sum(reserved.g.survey().LowerInfluence), 0);
    reserved.put({{5, 20, -900}}).survey();
    EXPECT_EQ(reserved.g.survey().LowerInfluence(5, 5), 1);  // it still stops a ray
    EXPECT_EQ(reserved.g.survey().LowerInfluence(5, 4), 0);
}

TEST(Survey, UpperGuardAndAttackerSquaresSurviveLaterSurveys) {
    Bare b;
    b.put({{5, 1, 900}, {5, 9, 100}, {12, 1, 40}, {12, 9, -100}}).survey();
    EXPECT_EQ(b.g.remembered().UpperGuardX(5, 9), 5);
    EXPECT_EQ(b.g.remembered().UpperGuardY(5, 9), 1);
    EXPECT_EQ(b.g.remembered().UpperAttackerX(12, 9), 12);
    EXPECT_EQ(b.g.remembered().UpperAttackerY(12, 9), 1);

    // Only non-recording kinds now: the squares stay.
    b.put({{5, 1, EMPTY}, {12, 1, EMPTY}, {5, 8, 110}, {12, 8, 30}}).survey();
    EXPECT_EQ(b.g.survey().UpperGuard(5, 9), 110);
    EXPECT_EQ(b.g.remembered().UpperGuardX(5, 9), 5);
    EXPECT_EQ(b.g.remembered().UpperGuardY(5, 9), 1);
    EXPECT_EQ(b.g.survey().UpperAttacker(12, 9), 30);
    EXPECT_EQ(b.g.remembered().UpperAttackerY(12, 9), 1);
    // Nothing reaches them at all: still there.
    b.put({{5, 8, EMPTY}, {12, 8, EMPTY}}).survey();
    EXPECT_EQ(b.g.remembered().UpperGuardX(5, 9), 5);
    EXPECT_EQ(b.g.remembered().UpperAttackerX(12, 9), 12);

    // A recording kind overwrites them.
    b.put({{4, 7, 50}, {10, 7, 800}}).survey();
    EXPECT_EQ(b.g.remembered().UpperGuardX(5, 9), 4);
    EXPECT_EQ(b.g.remembered().UpperGuardY(5, 9), 7);
    EXPECT_EQ(b.g.remembered().UpperAttackerX(12, 9), 10);
    EXPECT_EQ(b.g.remembered().UpperAttackerY(12, 9), 7);
}

TEST(Survey, OneRayWalkedAgainAddsOnlyItsOwnSquares) {
    Bare b;
    b.put({{14, 20, -900}, {14, 15, 950}}).survey();
    reach::ray<false, 0, -1>(b.g.arrange(), b.g.arrangeMemory(), -900, 14, 20);
    EXPECT_EQ(b.g.survey().LowerInfluence(14, 19), 2);
    EXPECT_EQ(b.g.survey().LowerInfluence(14, 21), 1);  // only the upward ray was walked again
    reach::ray<true, 0, 1>(b.g.arrange(), b.g.arrangeMemory(), 900, 14, 1);
    EXPECT_EQ(b.g.survey().UpperInfluence(14, 14), 2);  // the king's step and the new ray
    EXPECT_EQ(b.g.survey().UpperInfluence(14, 15), 1);  // which stops on its own king
    EXPECT_EQ(b.g.survey().UpperInfluence(14, 16), 1);
}

// Cross-check against the movement rules on random boards: a piece reaches a square when it could
// move there with the square emptied and the enemy kings lifted (rays pass through them).
namespace {

struct Reacher {
    int x, y, code, entered;
    bool guards, attacks, guardSquare, attackSquare, ray;
};

bool orthogonallyAdjacent(int x, int y, int tx, int ty) { return std::abs(tx - x) + std::abs(ty - y) == 1; }

std::vector<Reacher> reachers(Game& g, bool upper, int tx, int ty) {
    const Cells saved = g.position().Board;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y)
            if (g.position().Board(x, y) == (upper ? -OU : OU)) g.arrange().pos.Board(x, y) = EMPTY;
    g.arrange().pos.Board(tx, ty) = EMPTY;
    std::vector<Reacher> out;
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y) {
            const int c = saved(x, y);
            if ((upper ? c < 30 : c > -30) || (x == tx && y == ty)) continue;
            if (g.移動チェック(x, y, tx, ty, c) != YES) continue;
            const int a = std::abs(c);
            const bool horseStep = a == UMA && orthogonallyAdjacent(x, y, tx, ty);
            const bool dragonStep = a == RYU && std::abs(tx - x) == 1 && std::abs(ty - y) == 1;
            Reacher r{x, y, c, c, true, true, true, true, false};
            r.ray = (a == KYOU || a == KAKU || a == HISYA || (a == UMA && !horseStep) || (a == RYU && !dragonStep));
            if (!upper) {
                if (c == -UMA && !horseStep) r.entered = -KAKU;
            } else {
                const bool goldLike = a == KIN || a == TO || a == NARIKYOU || a == NARIKEI || a == NARIGIN;
                if (goldLike) r.entered = KIN;
                r.guards = !horseStep;
                r.attacks = !horseStep && (a == FU || r.ray || a == RYU);
                r.guardSquare = !goldLike && a != FU && a != OU;
                r.attackSquare = a != FU;
            }
            out.push_back(r);
        }
    g.arrange().pos.Board = saved;
    return out;
}

}  // namespace

TEST(Survey, AgreesWithTheMovementRulesOnRandomBoards) {
    static const int kCodes[] = {30, 31, 40, 41, 50, 51, 100, 101, 110, 111, 800, 801, 900, 901};
    std::mt19937 rng(20240611);
    for (int round = 0; round < 12; ++round) {
        Bare b;
        Game& g = b.g;
        for (int x = 1; x <= 27; ++x)
            for (int y = 1; y <= 27; ++y)
                if (rng() % 100 < 30) g.arrange().pos.Board(x, y) = int16_t(kCodes[rng() % 14] * (rng() % 2 ? 1 : -1));
        // One king a side (sometimes none), so that check lines never cross.
        if (round % 4 != 3) g.arrange().pos.Board(1 + rng() % 27, 1 + rng() % 27) = OU;
        if (round % 4 != 2) g.arrange().pos.Board(1 + rng() % 27, 1 + rng() % 27) = -OU;
        g.勢力調査();

        Map checkLower{}, checkUpper{};
        for (int tx = 1; tx <= 27; ++tx)
            for (int ty = 1; ty <= 27; ++ty) {
                const int t = g.position().Board(tx, ty);
                for (bool upper : {false, true}) {
                    const std::vector<Reacher> rs = reachers(g, upper, tx, ty);
                    const Map& influence = upper ? g.survey().UpperInfluence : g.survey().LowerInfluence;
                    ASSERT_EQ(influence(tx, ty), int(rs.size())) << round << " " << upper << " " << tx << "," << ty;
                    int guard = 999, attack = upper ? 999 : -999;
                    const Reacher* guardBy = nullptr;
                    const Reacher* attackBy = nullptr;
                    for (const Reacher& r : rs) {
                        if (r.guards && guard > r.entered) guard = r.entered, guardBy = &r;
                        if (r.attacks && (upper ? attack > r.entered : attack < r.entered))
                            attack = r.entered, attackBy = &r;
                        const int enemyKing = upper ? -OU : OU;
                        if (t == enemyKing && std::abs(r.code) != OU) {
                            Map& m = upper ? checkUpper : checkLower;
                            m(r.x, r.y) = 9;
                            if (std::abs(r.code) == KEI) m(tx, ty) = 9;
                            const int dx = (tx > r.x) - (tx < r.x), dy = (ty > r.y) - (ty < r.y);
                            if (r.ray)
                                for (int x = r.x + dx, y = r.y + dy; x != tx || y != ty; x += dx, y += dy) m(x, y) = 1;
                        }
                    }
                    const std::string where =
                        std::to_string(round) + " " + std::to_string(tx) + "," + std::to_string(ty);
                    if (!upper) {
                        EXPECT_EQ(g.survey().LowerGuard(tx, ty), t < 0 ? guard : 999) << where;
                        EXPECT_EQ(g.survey().LowerAttacker(tx, ty), t > 0 ? attack : -999) << where;
                        if (t > 0 && attackBy) {
                            EXPECT_EQ(g.survey().LowerAttackerX(tx, ty), attackBy->x) << where;
                            EXPECT_EQ(g.survey().LowerAttackerY(tx, ty), attackBy->y) << where;
                        }
                    } else {
                        EXPECT_EQ(g.survey().UpperGuard(tx, ty), t >= 30 ? guard : 999) << where;
                        EXPECT_EQ(g.survey().UpperAttacker(tx, ty), t <= -30 ? attack : 999) << where;
                        if (t >= 30 && guardBy && guardBy->guardSquare) {
                            EXPECT_EQ(g.remembered().UpperGuardX(tx, ty), guardBy->x) << where;
                            EXPECT_EQ(g.remembered().UpperGuardY(tx, ty), guardBy->y) << where;
                        }
                        if (t <= -30 && attackBy && attackBy->attackSquare) {
                            EXPECT_EQ(g.remembered().UpperAttackerX(tx, ty), attackBy->x) << where;
                            EXPECT_EQ(g.remembered().UpperAttackerY(tx, ty), attackBy->y) << where;
                        }
                    }
                }
            }
        EXPECT_TRUE(g.survey().CheckByLower == checkLower) << round;
        EXPECT_TRUE(g.survey().CheckByUpper == checkUpper) << round;
    }
}

TEST(PinnedPieces, APieceAloneOnTheLineIsPinnedTwoAreNot) {
    Bare b;
    b.put({{14, 27, -950}, {14, 25, -100}, {14, 20, 900}, {3, 3, -30}}).survey();
    b.g.arrange().maps.LowerPinned.fill(7);
    const Cells before = b.g.position().Board;
    b.g.調査_移動不可駒();
    EXPECT_TRUE(b.g.position().Board == before);
    for (int x = 1; x <= 27; ++x)
        for (int y = 1; y <= 27; ++y)
            EXPECT_EQ(b.g.survey().LowerPinned(x, y), x == 14 && y == 25 ? 1 : 0) << x << "," << y;

    b.put({{14, 22, -110}}).survey();
    b.g.調査_移動不可駒();
    EXPECT_EQ(sum(b.g.survey().LowerPinned), 0);
    EXPECT_EQ(b.g.survey().UpperPinFound, NO);
}

TEST(PinnedPieces, AKingOnAnOpenLinePinsEveryPieceOfItsSide) {
    Bare b;
    b.put({{14, 27, -950}, {14, 20, 40}, {3, 3, -30}, {20, 20, -801}, {5, 5, 110}}).survey();
    b.g.調査_移動不可駒();
    EXPECT_EQ(b.g.survey().LowerPinned(14, 27), 1);
    EXPECT_EQ(b.g.survey().LowerPinned(3, 3), 1);
    EXPECT_EQ(b.g.survey().LowerPinned(20, 20), 1);
    EXPECT_EQ(b.g.survey().LowerPinned(5, 5), 0);
    EXPECT_EQ(sum(b.g.survey().LowerPinned), 3);
}

TEST(PinnedPieces, UpperPinFoundOnlyWithALowerLongRangePieceBehind) {
    Bare b;
    b.put({{14, 1, 950}, {14, 5, 110}, {20, 20, -30}}).survey();
    b.g.調査_移動不可駒();
    EXPECT_EQ(b.g.survey().UpperPinFound, NO);
    b.put({{14, 20, -40}}).survey();
    b.g.調査_移動不可駒();
    EXPECT_EQ(b.g.survey().UpperPinFound, YES);
    b.put({{14, 20, -30}, {18, 5, -900}}).survey();
    b.g.調査_移動不可駒();
    EXPECT_EQ(b.g.survey().UpperPinFound, NO);  // the rook is on the gold's row, not the king's line
    b.put({{10, 5, -800}, {14, 5, EMPTY}, {12, 3, 100}}).survey();
    b.g.調査_移動不可駒();
    EXPECT_EQ(b.g.survey().UpperPinFound, YES);  // bishop (10, 5) behind the silver on (12, 3)
}

}  // namespace orizen::test
