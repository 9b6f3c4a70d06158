// How the input objects get their input system: the platform's in the
// library, a scripted one in tests.
#pragma once

#include "platform/input/InputSystem.h"

#include <functional>
#include <memory>

namespace tactrel {

namespace input = trovane::platform::input;

using InputSystemFactory =
    std::function<std::unique_ptr<input::InputSystem>(input::ModuleHandle program)>;

} // namespace tactrel
