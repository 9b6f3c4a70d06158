#include "platform/input/ModuleHandle.h"

#include <dlfcn.h>

namespace trovane::platform::input {

ModuleHandle getModuleHandle() {
    // A null name yields the main program, which is never unloaded, so the
    // handle is not closed.
    return dlopen(nullptr, RTLD_LAZY);
}

} // namespace trovane::platform::input
