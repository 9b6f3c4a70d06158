#include "platform/module/DynamicLibrary.h"

#include <utility>
#include <windows.h>

namespace trovane::platform {

namespace {

HMODULE asModule(void* handle) {
    return static_cast<HMODULE>(handle);
}

// The system's text for the last error, on one line, after the file name.
std::string describeLastError(const std::string& name) {
    const DWORD code = ::GetLastError();
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = name + ": ";
    if (length == 0 || text == nullptr) {
        message += "error " + std::to_string(code);
    } else {
        message.append(text, length);
        ::LocalFree(text);
    }
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

std::string moduleFilePath(HMODULE module) {
    char buffer[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(module, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) {
        return {};
    }
    return std::string(buffer, length);
}

} // namespace

bool DynamicLibrary::openFile(std::string file) {
    // A library that cannot be found or bound fails here with its reason,
    // instead of a message box from the system.
    const UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = ::LoadLibraryA(file.c_str());
    if (module == nullptr) {
        lastError = describeLastError(file);
    }
    ::SetErrorMode(previousMode);
    if (module == nullptr) {
        return false;
    }
    handle = module;
    loadedPath = moduleFilePath(module);
    return true;
}

void DynamicLibrary::close() {
    if (handle != nullptr) {
        ::FreeLibrary(asModule(handle));
        handle = nullptr;
    }
    loadedPath.clear();
}

void* DynamicLibrary::symbol(const char* name) const {
    if (handle == nullptr || name == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<void*>(::GetProcAddress(asModule(handle), name));
}

bool DynamicLibrary::isLoaded(const std::string& path) {
    return ::GetModuleHandleA(path.c_str()) != nullptr;
}

} // namespace trovane::platform
