#include "platform/input/sdl/MouseRecord.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace trovane::platform::input {
namespace {

// SDL's button numbers are 1 left, 2 middle, 3 right, 4 first side button;
// the record's bytes are 0 left, 1 right, 2 middle, 3 side.
constexpr int kSdlButtonForByte[4] = {1, 3, 2, 4};

std::uint8_t buttonByte(std::uint32_t sdlButtons, int sdlButton) {
    return (sdlButtons & (1u << (sdlButton - 1))) != 0 ? kDownBit : 0;
}

} // namespace

std::int32_t wheelDelta(std::int32_t notches, bool flipped) {
    std::int64_t delta = static_cast<std::int64_t>(notches) * kWheelNotch;
    if (flipped) {
        delta = -delta;
    }
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(delta, low, high));
}

MouseState makeMouseState(std::int32_t dx, std::int32_t dy, std::int32_t dz,
                          std::uint32_t sdlButtons) {
    MouseState state{dx, dy, dz, {}};
    for (int i = 0; i < 4; ++i) {
        state.buttons[i] = buttonByte(sdlButtons, kSdlButtonForByte[i]);
    }
    return state;
}

} // namespace trovane::platform::input
