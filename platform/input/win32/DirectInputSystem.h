// The input system over one DirectInput 8 object of the running program.
#pragma once

#include "platform/com/ComRef.h"
#include "platform/input/FailurePlan.h"
#include "platform/input/InputSystem.h"
#include "platform/input/win32/DirectInput.h"

namespace trovane::platform::input {

class DirectInputSystem final : public InputSystem {
public:
    DirectInputSystem(ComRef<IDirectInput8A> directInput, FailurePlan plan);

    std::unique_ptr<InputDevice> createDevice(DeviceKind kind) override;

private:
    ComRef<IDirectInput8A> directInput_;
    FailurePlan plan_;
};

} // namespace trovane::platform::input
