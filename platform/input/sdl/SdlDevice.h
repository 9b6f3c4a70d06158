// What the SDL mouse and keyboard share: the data format and acquisition
// rules of a device.
#pragma once

#include "platform/input/InputDevice.h"
#include "platform/input/sdl/SdlVideoReference.h"

#include <memory>

namespace trovane::platform::input {

class SdlDevice : public InputDevice {
public:
    SdlDevice(DeviceKind kind, std::shared_ptr<SdlVideoReference> video);
    ~SdlDevice() override;

    bool setDataFormat(DataFormat format) override;
    bool acquire() override;
    void unacquire() override;
    bool getDeviceState(std::size_t size, void* data) override;

protected:
    virtual void onAcquire() = 0;
    virtual void onUnacquire() = 0;
    // Writes the state in the device's own format (stateSize() bytes).
    virtual void readState(void* data) = 0;
    virtual std::size_t stateSize() const = 0;

    // Derived destructors call this first, while their overrides still exist.
    void unacquireBeforeDestruction();

private:
    DeviceKind kind_;
    std::shared_ptr<SdlVideoReference> video_;
    bool formatSet_ = false;
    bool acquired_ = false;
};

} // namespace trovane::platform::input
