// A short stretch of the differential sweep (tools/sweep): the quick and the plain way of scoring
// agree on every candidate, the choice and the state left behind, over games of every style.
#include <gtest/gtest.h>

#include "sweep.h"

TEST(Sweep, QuickAndPlainWaysAgreeOverAShortStretch) {
    const orizen::sweep::Report r = orizen::sweep::run(20261208, 240);
    EXPECT_EQ(r.tried, 240);
    EXPECT_EQ(r.what, "") << r.position;
}
