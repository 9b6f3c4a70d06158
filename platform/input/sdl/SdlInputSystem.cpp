#include "platform/input/sdl/SdlInputSystem.h"

#include "platform/input/sdl/SdlKeyboardDevice.h"
#include "platform/input/sdl/SdlMouseDevice.h"

#include <new>
#include <utility>

namespace trovane::platform::input {

SdlInputSystem::SdlInputSystem(std::shared_ptr<SdlVideoReference> video, FailurePlan plan)
    : video_(std::move(video)), plan_(plan) {}

std::unique_ptr<InputDevice> SdlInputSystem::createDevice(DeviceKind kind) {
    if (plan_.fails(Step::Device, kind)) {
        return nullptr;
    }
    if (kind == DeviceKind::SystemMouse) {
        return std::make_unique<SdlMouseDevice>(video_, plan_);
    }
    return std::make_unique<SdlKeyboardDevice>(video_, plan_);
}

std::unique_ptr<InputSystem> createInputSystem(ModuleHandle program) {
    const FailurePlan plan = FailurePlan::fromEnvironment();
    if (program == nullptr || plan.failsCreate()) {
        return nullptr;
    }
    auto video = std::make_shared<SdlVideoReference>();
    if (!video->held()) {
        return nullptr;
    }
    return std::make_unique<SdlInputSystem>(std::move(video), plan);
}

} // namespace trovane::platform::input
