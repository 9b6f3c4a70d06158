// One DirectInput 8 device (the system mouse or keyboard) behind the input
// device interface.
#pragma once

#include "platform/input/InputDevice.h"
#include "platform/input/win32/DirectInput.h"
#include "platform/win32/ComRef.h"

#include <cstddef>
#include <cstdint>

namespace trovane::platform::input {

class DirectInputDevice final : public InputDevice {
public:
    DirectInputDevice(DeviceKind kind, ComRef<IDirectInputDevice8A> device);
    ~DirectInputDevice() override;
    DirectInputDevice(const DirectInputDevice&) = delete;
    DirectInputDevice& operator=(const DirectInputDevice&) = delete;

    bool setDataFormat(DataFormat format) override;
    bool acquire() override;
    void unacquire() override;
    bool getDeviceState(std::size_t size, void* data) override;

private:
    std::size_t stateSize() const;
    // Input counts only while a window of this program is in front, and
    // mouse motion only while that window holds the pointer.
    void keepToForeground(std::byte* state);

    DeviceKind kind_;
    ComRef<IDirectInputDevice8A> device_;
    bool formatSet_ = false;
    std::uintptr_t pointerTakesSeen_ = 0;
};

} // namespace trovane::platform::input
