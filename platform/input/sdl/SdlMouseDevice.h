// The system mouse over SDL: raw relative motion, the wheel and the buttons.
// Every acquired mouse gets all of the motion and the wheel (see
// PointerMotion.h and WheelWatch.h).
#pragma once

#include "platform/input/sdl/MotionShare.h"
#include "platform/input/sdl/SdlDevice.h"

#include <atomic>
#include <cstdint>

namespace trovane::platform::input {

class SdlMouseDevice final : public SdlDevice {
public:
    explicit SdlMouseDevice(std::shared_ptr<SdlVideoReference> video);
    ~SdlMouseDevice() override;

private:
    void onAcquire() override;
    void onUnacquire() override;
    void readState(void* data) override;
    std::size_t stateSize() const override { return sizeof(MouseState); }

    MotionSum motion_;
    std::atomic<std::int32_t> wheel_{0};
};

} // namespace trovane::platform::input
