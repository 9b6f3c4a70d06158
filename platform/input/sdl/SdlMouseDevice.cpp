#include "platform/input/sdl/SdlMouseDevice.h"

#include "platform/input/sdl/MouseRecord.h"
#include "platform/input/sdl/PointerMotion.h"
#include "platform/input/sdl/WheelWatch.h"

#include <SDL.h>

#include <cstring>
#include <utility>

namespace trovane::platform::input {

SdlMouseDevice::SdlMouseDevice(std::shared_ptr<SdlVideoReference> video)
    : SdlDevice(DeviceKind::SystemMouse, std::move(video)) {}

SdlMouseDevice::~SdlMouseDevice() {
    unacquireBeforeDestruction();
}

void SdlMouseDevice::onAcquire() {
    // Movement starts counting from now.
    motion_ = {};
    PointerMotion::instance().subscribe(&motion_);
    wheel_.store(0);
    WheelWatch::instance().subscribe(&wheel_);
}

void SdlMouseDevice::onUnacquire() {
    WheelWatch::instance().unsubscribe(&wheel_);
    PointerMotion::instance().unsubscribe(&motion_);
}

void SdlMouseDevice::readState(void* data) {
    PointerMotion::instance().pump();
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    const MouseState state = makeMouseState(motion_.x, motion_.y, wheel_.exchange(0), buttons);
    motion_ = {};
    std::memcpy(data, &state, sizeof state);
}

} // namespace trovane::platform::input
