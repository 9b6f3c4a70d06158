#include "platform/input/ModuleHandle.h"

#include <windows.h>

namespace trovane::platform::input {

ModuleHandle getModuleHandle() {
    // The executable's own module: DirectInput is created for the program,
    // not for the library that asks.
    return GetModuleHandleA(nullptr);
}

} // namespace trovane::platform::input
