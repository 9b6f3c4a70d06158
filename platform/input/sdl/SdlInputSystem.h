// The input system over SDL's video and event subsystems.
#pragma once

#include "platform/input/InputSystem.h"
#include "platform/input/sdl/SdlVideoReference.h"

#include <memory>

namespace trovane::platform::input {

class SdlInputSystem final : public InputSystem {
public:
    explicit SdlInputSystem(std::shared_ptr<SdlVideoReference> video);

    std::unique_ptr<InputDevice> createDevice(DeviceKind kind) override;

private:
    // Shared with the devices, so SDL stays up while any of them lives.
    std::shared_ptr<SdlVideoReference> video_;
};

} // namespace trovane::platform::input
