// The shipped library's objects use the platform's input system as it is.
#include "InputSystemFactory.h"

namespace tactrel {

std::unique_ptr<input::InputSystem> libraryInputSystem(input::ModuleHandle program) {
    return input::createInputSystem(program);
}

} // namespace tactrel
