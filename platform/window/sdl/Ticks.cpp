#include "platform/window/Ticks.h"

#include <SDL.h>

namespace trovane::platform {

std::uint32_t tickCount() {
    return SDL_GetTicks();
}

void sleepMilliseconds(std::uint32_t milliseconds) {
    SDL_Delay(milliseconds);
}

} // namespace trovane::platform
