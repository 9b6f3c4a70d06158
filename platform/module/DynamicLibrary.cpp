// What loading a library means on every system; openFile, close and the lookups are the
// system's own (posix/, win32/).
#include "platform/module/DynamicLibrary.h"

#include "platform/module/ModuleSearch.h"

#include <utility>

namespace trovane::platform {

DynamicLibrary::~DynamicLibrary() {
    close();
}

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept
    : handle(std::exchange(other.handle, nullptr)), loadedPath(std::move(other.loadedPath)),
      lastError(std::move(other.lastError)) {}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
    if (this != &other) {
        close();
        handle = std::exchange(other.handle, nullptr);
        loadedPath = std::move(other.loadedPath);
        lastError = std::move(other.lastError);
    }
    return *this;
}

bool DynamicLibrary::open(const char* name) {
    close();
    lastError.clear();
    if (name == nullptr || *name == '\0') {
        lastError = "no library name given";
        return false;
    }
    return openFile(locateModule(name));
}

} // namespace trovane::platform
