#include "platform/input/sdl/MotionShare.h"

#include <algorithm>

namespace trovane::platform::input {
namespace {

// Wraps like the 32-bit registers the sums stand for (signed overflow is
// undefined).
std::int32_t wrappingAdd(std::int32_t sum, std::int32_t delta) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(sum) +
                                     static_cast<std::uint32_t>(delta));
}

} // namespace

void MotionShare::subscribe(MotionSum* sum) {
    if (sums_.empty()) {
        skipNext_ = true;
    }
    sums_.push_back(sum);
}

void MotionShare::unsubscribe(MotionSum* sum) {
    sums_.erase(std::remove(sums_.begin(), sums_.end(), sum), sums_.end());
}

void MotionShare::add(std::int32_t dx, std::int32_t dy, bool heldThroughout) {
    const bool counts = heldThroughout && !skipNext_;
    skipNext_ = false;
    if (!counts) {
        return;
    }
    for (MotionSum* sum : sums_) {
        sum->x = wrappingAdd(sum->x, dx);
        sum->y = wrappingAdd(sum->y, dy);
    }
}

} // namespace trovane::platform::input
