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

// The input system the exported objects use. Tactrel's is the platform's
// (PlatformInputSystem.cpp); the tests' drill build of the same exports links
// one that fails chosen steps instead, so the shipped library has no such path.
std::unique_ptr<input::InputSystem> libraryInputSystem(input::ModuleHandle program);

} // namespace tactrel
