#include "platform/module/DynamicLibrary.h"

#include "platform/win32/WideText.h"

#include <iterator>
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
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = name + ": ";
    if (length == 0 || text == nullptr) {
        message += "error " + std::to_string(code);
    } else {
        message += win32::narrow(std::wstring_view(text, length));
        ::LocalFree(text);
    }
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

std::string moduleFilePath(HMODULE module) {
    wchar_t buffer[32768];
    const DWORD length = ::GetModuleFileNameW(module, buffer, std::size(buffer));
    if (length == 0 || length >= std::size(buffer)) {
        return {};
    }
    return win32::narrow(std::wstring_view(buffer, length));
}

} // namespace

bool DynamicLibrary::openFile(std::string file) {
    // A library that cannot be found or bound fails here with its reason,
    // instead of a message box from the system.
    const UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = ::LoadLibraryW(win32::widen(file).c_str());
    if (module == nullptr) {
        lastError_ = describeLastError(file);
    }
    ::SetErrorMode(previousMode);
    if (module == nullptr) {
        return false;
    }
    handle_ = module;
    loadedPath_ = moduleFilePath(module);
    return true;
}

void DynamicLibrary::close() {
    if (handle_ != nullptr) {
        ::FreeLibrary(asModule(handle_));
        handle_ = nullptr;
    }
    loadedPath_.clear();
}

void* DynamicLibrary::symbol(const char* name) const {
    if (handle_ == nullptr || name == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<void*>(::GetProcAddress(asModule(handle_), name));
}

bool DynamicLibrary::isLoaded(const std::string& path) {
    return ::GetModuleHandleW(win32::widen(path).c_str()) != nullptr;
}

} // namespace trovane::platform
