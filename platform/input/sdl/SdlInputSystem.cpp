#include "platform/input/sdl/SdlInputSystem.h"

#include "platform/input/sdl/SdlKeyboardDevice.h"
#include "platform/input/sdl/SdlMouseDevice.h"

#include <new>
#include <utility>

namespace trovane::platform::input {

SdlInputSystem::SdlInputSystem(std::shared_ptr<SdlVideoReference> video)
    : video_(std::move(video)) {}

std::unique_ptr<InputDevice> SdlInputSystem::createDevice(DeviceKind kind) {
    if (kind == DeviceKind::SystemMouse) {
        return std::make_unique<SdlMouseDevice>(video_);
    }
    return std::make_unique<SdlKeyboardDevice>(video_);
}

std::unique_ptr<InputSystem> createInputSystem(ModuleHandle program) {
    if (program == nullptr) {
        return nullptr;
    }
    auto video = std::make_shared<SdlVideoReference>();
    if (!video->held()) {
        return nullptr;
    }
    return std::make_unique<SdlInputSystem>(std::move(video));
}

} // namespace trovane::platform::input
