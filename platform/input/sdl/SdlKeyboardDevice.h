// The system keyboard over SDL: the key state as a 256-byte key table.
#pragma once

#include "platform/input/sdl/SdlDevice.h"

namespace trovane::platform::input {

class SdlKeyboardDevice final : public SdlDevice {
public:
    explicit SdlKeyboardDevice(std::shared_ptr<SdlVideoReference> video);
    ~SdlKeyboardDevice() override;

private:
    void onAcquire() override {}
    void onUnacquire() override {}
    void readState(void* data) override;
    std::size_t stateSize() const override { return kKeyboardStateSize; }
};

} // namespace trovane::platform::input
