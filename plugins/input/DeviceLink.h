// One input object's hold on the input system and its device, with the
// set-up steps and the read rule both objects follow.
#pragma once

#include "InputSystemFactory.h"

#include <cstddef>
#include <memory>

namespace tactrel {

struct SetupMessages {
    const char* deviceMissing;
    const char* formatRefused;
    const char* notAcquired;
};

class DeviceLink {
public:
    DeviceLink() = default;
    ~DeviceLink() { close(); }
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Makes the input system (for the running program), the device, sets its
    // data format and acquires it. The first step that fails prints its
    // message and ends set-up; what was made before it stays in place.
    // Returns true when every step succeeded. A link already open is closed
    // first.
    bool open(const InputSystemFactory& factory, input::DeviceKind kind,
              const SetupMessages& messages);

    // Unacquires the device, then releases it, then the input system.
    void close();

    // Reads size bytes of device state into data. A failed read is followed by
    // one acquire and, when that succeeds, a second read. False when no read
    // succeeded, or there is no device; data is then untouched.
    bool read(std::size_t size, void* data);

private:
    std::unique_ptr<input::InputSystem> system_;
    std::unique_ptr<input::InputDevice> device_;
};

} // namespace tactrel
