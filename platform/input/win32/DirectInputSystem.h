// The input system over one DirectInput 8 object of the running program.
#pragma once

#include "platform/input/InputSystem.h"
#include "platform/input/win32/DirectInput.h"
#include "platform/win32/ComRef.h"

namespace trovane::platform::input {

class DirectInputSystem final : public InputSystem {
public:
    explicit DirectInputSystem(ComRef<IDirectInput8A> directInput);

    std::unique_ptr<InputDevice> createDevice(DeviceKind kind) override;

private:
    ComRef<IDirectInput8A> directInput_;
};

} // namespace trovane::platform::input
