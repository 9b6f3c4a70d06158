#include "platform/window/Ticks.h"

#include <windows.h>

namespace trovane::platform {
namespace {

LONGLONG counterFrequency() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

} // namespace

std::uint32_t tickCount() {
    // The millisecond count of the frame clock, from the performance
    // counter: GetTickCount moves in steps of 10 to 16 ms, so frames drawn
    // back to back would mostly see no time pass and then a whole step.
    static const LONGLONG frequency = counterFrequency();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    // Whole seconds and the rest apart, so nothing overflows.
    const LONGLONG seconds = now.QuadPart / frequency;
    const LONGLONG rest = now.QuadPart % frequency;
    return static_cast<std::uint32_t>(seconds * 1000 + rest * 1000 / frequency);
}

void sleepMilliseconds(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

} // namespace trovane::platform
