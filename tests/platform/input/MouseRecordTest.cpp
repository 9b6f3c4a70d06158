// The 16-byte mouse record built from SDL's motion, wheel and buttons.
#include "platform/input/sdl/MouseRecord.h"

#include <SDL_mouse.h>
#include <gtest/gtest.h>

#include <climits>

namespace trovane::platform::input {
namespace {

TEST(MouseRecordTest, AWheelNotchCounts120AwayFromTheUser) {
    EXPECT_EQ(wheelDelta(1, false), 120);
    EXPECT_EQ(wheelDelta(-2, false), -240);
    EXPECT_EQ(wheelDelta(1, true), -120);
    EXPECT_EQ(wheelDelta(0, false), 0);
}

TEST(MouseRecordTest, HugeWheelValuesSaturate) {
    EXPECT_EQ(wheelDelta(INT_MAX, false), INT_MAX);
    EXPECT_EQ(wheelDelta(INT_MIN, false), INT_MIN);
    EXPECT_EQ(wheelDelta(INT_MIN, true), INT_MAX);
}

TEST(MouseRecordTest, MotionAndWheelGoToXYAndZ) {
    const MouseState state = makeMouseState(-7, 12, 240, 0);
    EXPECT_EQ(state.x, -7);
    EXPECT_EQ(state.y, 12);
    EXPECT_EQ(state.z, 240);
}

// SDL numbers the middle button before the right one; the record does not.
TEST(MouseRecordTest, ButtonBytesAreLeftRightMiddleSide) {
    struct Case {
        Uint32 mask;
        int byte;
    };
    const Case cases[] = {{SDL_BUTTON_LMASK, 0},
                          {SDL_BUTTON_RMASK, 1},
                          {SDL_BUTTON_MMASK, 2},
                          {SDL_BUTTON_X1MASK, 3}};
    for (const Case& c : cases) {
        const MouseState state = makeMouseState(0, 0, 0, c.mask);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(state.buttons[i], i == c.byte ? kDownBit : 0) << "mask " << c.mask;
        }
    }
    const MouseState none = makeMouseState(0, 0, 0, SDL_BUTTON_X2MASK);
    for (std::uint8_t button : none.buttons) {
        EXPECT_EQ(button, 0);
    }
}

} // namespace
} // namespace trovane::platform::input
