// The millisecond tick count of the frame clock.
#pragma once

#include <cstdint>

namespace trovane::platform {

// Milliseconds from a fixed start, at a resolution of one; wraps after about 49 days,
// so differences are taken as unsigned 32-bit values.
std::uint32_t tickCount();

void sleepMilliseconds(std::uint32_t milliseconds);

} // namespace trovane::platform
