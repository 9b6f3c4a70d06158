#include "app/FrameClock.h"

namespace trovane {

double clockSeconds(bool running, std::uint32_t now, std::uint32_t startTicks,
                    std::uint32_t pausedTicks, std::uint32_t pauseStartTicks) {
    std::uint32_t end = running ? now : pauseStartTicks;
    std::uint32_t elapsed = end - pausedTicks - startTicks;
    // The product is formed in double: a float would drop milliseconds after
    // a few hours of running and make the frame steps uneven.
    return static_cast<double>(elapsed) * static_cast<double>(0.001f);
}

std::uint32_t pausedTotal(std::uint32_t pausedTicks, std::uint32_t pauseStartTicks,
                          std::uint32_t now) {
    return pausedTicks + (now - pauseStartTicks);
}

} // namespace trovane
