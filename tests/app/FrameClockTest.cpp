// The frame clock on the millisecond tick count: pauses excluded, unsigned
// wrap-around of the tick count harmless.
#include "app/FrameClock.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace trovane {
namespace {

constexpr double kTick = static_cast<double>(0.001f);

// The clock's fields, changed as the window's pause key changes them.
struct Clock {
    bool running = true;
    std::uint32_t start = 0;
    std::uint32_t paused = 0;
    std::uint32_t pauseStart = 0;

    double at(std::uint32_t now) const {
        return clockSeconds(running, now, start, paused, pauseStart);
    }

    void toggle(std::uint32_t now) {
        running = !running;
        if (running) {
            paused = pausedTotal(paused, pauseStart, now);
        } else {
            pauseStart = now;
        }
    }
};

TEST(FrameClock, CountsSecondsFromTheStart) {
    Clock clock{true, 5000, 0, 0};
    EXPECT_DOUBLE_EQ(clock.at(5000), 0.0);
    EXPECT_DOUBLE_EQ(clock.at(6500), 1500 * kTick);
}

TEST(FrameClock, StandsStillWhilePausedAndResumesWithoutAJump) {
    Clock clock{true, 1000, 0, 0};
    clock.toggle(3000); // paused at 2 s on the clock
    EXPECT_DOUBLE_EQ(clock.at(3000), 2000 * kTick);
    EXPECT_DOUBLE_EQ(clock.at(9000), 2000 * kTick);
    clock.toggle(10000); // resumed after 7 s of pause
    EXPECT_EQ(clock.paused, 7000u);
    EXPECT_DOUBLE_EQ(clock.at(10000), 2000 * kTick);
    EXPECT_DOUBLE_EQ(clock.at(10250), 2250 * kTick);
}

TEST(FrameClock, PausesAddUp) {
    Clock clock{true, 0, 0, 0};
    clock.toggle(100);
    clock.toggle(400);
    clock.toggle(1000);
    clock.toggle(1100);
    EXPECT_EQ(clock.paused, 400u);
    EXPECT_DOUBLE_EQ(clock.at(2000), 1600 * kTick);
}

TEST(FrameClock, TickCountWrappingAroundChangesNothing) {
    Clock clock{true, 0xFFFFF000u, 0, 0};
    EXPECT_DOUBLE_EQ(clock.at(0x00000F00u), 0x1F00 * kTick);
    clock.toggle(0xFFFFFF00u);
    clock.toggle(0x00000100u); // a pause of 0x200 ms across the wrap
    EXPECT_EQ(clock.paused, 0x200u);
    EXPECT_DOUBLE_EQ(clock.at(0x00001000u), (0x2000 - 0x200) * kTick);
}

TEST(FrameClock, KeepsMillisecondsAfterDaysOfRunning) {
    Clock clock{true, 0, 0, 0};
    std::uint32_t threeDays = 3u * 24u * 3600u * 1000u;
    EXPECT_NE(clock.at(threeDays), clock.at(threeDays + 1));
    EXPECT_NEAR(clock.at(threeDays + 1) - clock.at(threeDays), 0.001, 1e-9);
}

} // namespace
} // namespace trovane
