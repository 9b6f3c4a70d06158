// The input system, in place of the DirectInput 8 object: makes the devices.
#pragma once

#include "platform/input/InputDevice.h"
#include "platform/input/ModuleHandle.h"

#include <memory>

namespace trovane::platform::input {

class InputSystem {
public:
    virtual ~InputSystem() = default;

    // The system mouse or keyboard, or null when it is not available.
    // A device must be destroyed before the system that made it.
    virtual std::unique_ptr<InputDevice> createDevice(DeviceKind kind) = 0;
};

// The input system of the running program's window system, or null when
// there is none: no module handle, or no video and event subsystem.
std::unique_ptr<InputSystem> createInputSystem(ModuleHandle program);

} // namespace trovane::platform::input
