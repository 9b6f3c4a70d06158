// Motion shared by every acquired mouse, and dropped while the pointer is free.
#include "platform/input/sdl/MotionShare.h"

#include <gtest/gtest.h>

namespace trovane::platform::input {
namespace {

testing::AssertionResult at(const MotionSum& sum, std::int32_t x, std::int32_t y) {
    if (sum.x == x && sum.y == y) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "at (" << sum.x << ", " << sum.y << ")";
}

TEST(MotionShare, EveryMouseSeesEveryMoveWhicheverReadsFirst) {
    MotionShare share;
    MotionSum first;
    MotionSum second;
    share.subscribe(&first);
    share.subscribe(&second);
    share.add(40, 40, true);
    EXPECT_TRUE(at(first, 0, 0)) << "gathered before any mouse was there";
    share.add(3, -2, true);
    first = {}; // the first mouse reads, and its sum starts again
    share.add(5, 1, true);
    EXPECT_TRUE(at(first, 5, 1));
    EXPECT_TRUE(at(second, 8, -1));
    share.unsubscribe(&second);
    share.add(1, 1, true);
    EXPECT_TRUE(at(first, 6, 2));
    EXPECT_TRUE(at(second, 8, -1)) << "a mouse that left is not touched";
}

TEST(MotionShare, MovesWhileThePointerWasFreeCountNothing) {
    MotionShare share;
    MotionSum sum;
    share.subscribe(&sum);
    share.add(0, 0, true);
    share.add(4, 4, true);
    share.add(500, -300, false);
    share.add(1, 0, true);
    EXPECT_TRUE(at(sum, 5, 4));
}

TEST(MotionShare, SumsWrapLikeRegisters) {
    MotionShare share;
    MotionSum sum{INT32_MAX, INT32_MIN};
    share.subscribe(&sum);
    share.add(0, 0, true);
    share.add(1, -1, true);
    EXPECT_TRUE(at(sum, INT32_MIN, INT32_MAX));
}

} // namespace
} // namespace trovane::platform::input
