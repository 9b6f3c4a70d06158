// The frame clock's arithmetic on the millisecond tick count. Tick values
// wrap at 2^32; every difference is taken as an unsigned 32-bit count.
#pragma once

#include <cstdint>

namespace trovane {

// Seconds on the clock at tick count now: the time since startTicks without
// the pausedTicks spent paused. While paused (running false) it stays at the
// value the pause began with, pauseStartTicks.
double clockSeconds(bool running, std::uint32_t now, std::uint32_t startTicks,
                    std::uint32_t pausedTicks, std::uint32_t pauseStartTicks);

// The paused total after a pause that began at pauseStartTicks ends at now.
std::uint32_t pausedTotal(std::uint32_t pausedTicks, std::uint32_t pauseStartTicks,
                          std::uint32_t now);

} // namespace trovane
