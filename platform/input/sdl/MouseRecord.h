// Translation of the window system's mouse input into the mouse record.
#pragma once

#include "platform/input/InputDevice.h"

#include <cstdint>

namespace trovane::platform::input {

inline constexpr std::int32_t kWheelNotch = 120;

// Wheel movement of one SDL wheel event (notches, positive away from the
// user unless flipped), in record units. Saturates instead of overflowing.
std::int32_t wheelDelta(std::int32_t notches, bool flipped);

// The record for a relative move, a wheel sum and SDL's button mask (bit 0
// left, 1 middle, 2 right, 3 first side button).
MouseState makeMouseState(std::int32_t dx, std::int32_t dy, std::int32_t dz,
                          std::uint32_t sdlButtons);

} // namespace trovane::platform::input
