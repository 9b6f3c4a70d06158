#include "platform/module/DynamicLibrary.h"

#include <dlfcn.h>
#include <utility>

namespace trovane::platform {

namespace {

std::string takeLoaderError(const char* fallback) {
    const char* text = ::dlerror();
    return text != nullptr ? std::string(text) : std::string(fallback);
}

} // namespace

bool DynamicLibrary::openFile(std::string path) {
    ::dlerror();
    handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        lastError_ = takeLoaderError("cannot be loaded");
        return false;
    }
    loadedPath_ = std::move(path);
    return true;
}

void DynamicLibrary::close() {
    if (handle_ != nullptr) {
        ::dlclose(handle_);
        handle_ = nullptr;
    }
    loadedPath_.clear();
}

void* DynamicLibrary::symbol(const char* name) const {
    if (handle_ == nullptr || name == nullptr) {
        return nullptr;
    }
    return ::dlsym(handle_, name);
}

bool DynamicLibrary::isLoaded(const std::string& path) {
    void* probe = ::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (probe == nullptr) {
        return false;
    }
    ::dlclose(probe);
    return true;
}

} // namespace trovane::platform
