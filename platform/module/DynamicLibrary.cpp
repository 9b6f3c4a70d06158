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
    : handle_(std::exchange(other.handle_, nullptr)), loadedPath_(std::move(other.loadedPath_)),
      lastError_(std::move(other.lastError_)) {}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, nullptr);
        loadedPath_ = std::move(other.loadedPath_);
        lastError_ = std::move(other.lastError_);
    }
    return *this;
}

bool DynamicLibrary::open(const char* name) {
    close();
    lastError_.clear();
    if (name == nullptr || *name == '\0') {
        lastError_ = "no library name given";
        return false;
    }
    return openFile(locateModule(name));
}

} // namespace trovane::platform
