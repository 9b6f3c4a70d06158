// The system mouse over SDL: raw relative motion, the wheel and the buttons.
#pragma once

#include "platform/input/SdlDevice.h"

#include <atomic>
#include <cstdint>

namespace trovane::platform::input {

class SdlMouseDevice final : public SdlDevice {
public:
    SdlMouseDevice(std::shared_ptr<SdlVideoReference> video, FailurePlan plan);
    ~SdlMouseDevice() override;

private:
    void onAcquire() override;
    void onUnacquire() override;
    void readState(void* data) override;
    std::size_t stateSize() const override { return sizeof(MouseState); }

    void enterRelativeModeWhenFocused();

    std::atomic<std::int32_t> wheel_{0};
    bool relativeModeOurs_ = false;
};

} // namespace trovane::platform::input
