#include "platform/input/SdlMouseDevice.h"

#include "platform/input/MouseRecord.h"
#include "platform/input/WheelWatch.h"

#include <SDL.h>

#include <cstring>
#include <utility>

namespace trovane::platform::input {

SdlMouseDevice::SdlMouseDevice(std::shared_ptr<SdlVideoReference> video, FailurePlan plan)
    : SdlDevice(DeviceKind::SystemMouse, std::move(video), plan) {}

SdlMouseDevice::~SdlMouseDevice() {
    unacquireBeforeDestruction();
}

void SdlMouseDevice::onAcquire() {
    // Movement starts counting from now.
    SDL_GetRelativeMouseState(nullptr, nullptr);
    wheel_.store(0);
    WheelWatch::instance().subscribe(&wheel_);
}

void SdlMouseDevice::onUnacquire() {
    WheelWatch::instance().unsubscribe(&wheel_);
    if (relativeModeOurs_ && SdlVideoReference::videoRunning()) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
    }
    relativeModeOurs_ = false;
}

// Raw relative motion keeps arriving when the pointer would leave the window.
// SDL grants it only to a focused window, and the devices are made before the
// window exists, so it is switched on at the first read that finds a focus.
void SdlMouseDevice::enterRelativeModeWhenFocused() {
    if (relativeModeOurs_ || SDL_GetRelativeMouseMode() == SDL_TRUE) {
        return;
    }
    if (SDL_GetKeyboardFocus() != nullptr && SDL_SetRelativeMouseMode(SDL_TRUE) == 0) {
        relativeModeOurs_ = true;
    }
}

void SdlMouseDevice::readState(void* data) {
    SDL_PumpEvents();
    enterRelativeModeWhenFocused();
    int dx = 0;
    int dy = 0;
    const Uint32 buttons = SDL_GetRelativeMouseState(&dx, &dy);
    const MouseState state = makeMouseState(dx, dy, wheel_.exchange(0), buttons);
    std::memcpy(data, &state, sizeof state);
}

} // namespace trovane::platform::input
