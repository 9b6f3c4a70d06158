#include "platform/input/sdl/SdlKeyboardDevice.h"

#include "platform/input/sdl/ScancodeMap.h"

#include <SDL.h>

#include <cstdint>
#include <utility>

namespace trovane::platform::input {

SdlKeyboardDevice::SdlKeyboardDevice(std::shared_ptr<SdlVideoReference> video)
    : SdlDevice(DeviceKind::SystemKeyboard, std::move(video)) {}

SdlKeyboardDevice::~SdlKeyboardDevice() {
    unacquireBeforeDestruction();
}

void SdlKeyboardDevice::readState(void* data) {
    // Gathering pending input first makes the state current whether or not
    // the program's message loop has run since the last read.
    SDL_PumpEvents();
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    fillKeyTable(state, count, static_cast<std::uint8_t*>(data));
}

} // namespace trovane::platform::input
