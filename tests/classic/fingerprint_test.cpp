// The engine's exact fingerprint (tools/fingerprint) against the stored one: every candidate score,
// choice and left-behind state over the samples and four whole games, on 1, 2 and 8 threads and
// the plain way. A change that moves one bit of them fails here; regenerate the file only for a
// change meant to alter the computer's play.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fingerprint.h"

TEST(Fingerprint, EveryWayOfSearchingMatchesTheStoredFingerprint) {
    orizen::fingerprint::Options o;
    o.sourceDir = ORIZEN_SOURCE_DIR;
    bool agree = false;
    const std::string now = orizen::fingerprint::run(o, agree);
    std::ifstream in(std::string(ORIZEN_SOURCE_DIR) + "/tests/data/fingerprint.txt");
    std::ostringstream stored;
    stored << in.rdbuf();
    EXPECT_TRUE(agree) << now;
    EXPECT_EQ(now, stored.str());
}
