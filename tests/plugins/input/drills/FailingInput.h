// An input system that passes every call to a real one, except the device
// steps a failure plan names, which fail without reaching it. ("create" is
// the caller's: the real system is not made at all then.)
#pragma once

#include "FailurePlan.h"

#include <memory>

namespace tactrel::test {

// Null when real is.
std::unique_ptr<input::InputSystem> failingInputSystem(std::unique_ptr<input::InputSystem> real,
                                                       FailurePlan plan);

} // namespace tactrel::test
