// The status line's texts, exactly as the overlay shows them.
#include "app/frame/StatusText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace trovane {
namespace {

TEST(StatusText, ShowsTheProgramNameBeforeTheFirstProbe) {
    EXPECT_STREQ(StatusText().c_str(), "Trovane");
}

TEST(StatusText, CollisionGivesDistanceAndPointWithTwoDecimals) {
    StatusText status;
    status.showCollision(0.125f, {7.5f, 5.25f, 3.0f});
    EXPECT_STREQ(status.c_str(), "Collision (0.12 @ 7.50,5.25,3.00) !");
}

TEST(StatusText, WayAheadGivesTheDistanceWithTwoDecimals) {
    StatusText status;
    status.showWayAhead(12.5f);
    EXPECT_STREQ(status.c_str(), "Go ... 12.50");
}

TEST(StatusText, NoWallWithinReachReadsInf) {
    StatusText status;
    status.showWayAhead(std::numeric_limits<float>::infinity());
    EXPECT_STREQ(status.c_str(), "Go ... inf");
    status.showWayAhead(std::nanf(""));
    EXPECT_STREQ(status.c_str(), "Go ... nan");
}

TEST(StatusText, LargestValuesStillFitTheLine) {
    StatusText status;
    status.showCollision(-FLT_MAX, {-FLT_MAX, -FLT_MAX, -FLT_MAX});
    const std::string text = status.c_str();
    EXPECT_LT(text.size(), StatusText::kCapacity);
    EXPECT_EQ(text.rfind("Collision (-3402823", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 6), ".00) !");
}

} // namespace
} // namespace trovane
