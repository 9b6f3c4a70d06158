#include "platform/window/Ticks.h"

#include <windows.h>

namespace trovane::platform {

std::uint32_t tickCount() {
    return GetTickCount();
}

void sleepMilliseconds(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

} // namespace trovane::platform
