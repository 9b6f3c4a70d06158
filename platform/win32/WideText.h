// Text between the program, which keeps every string in UTF-8, and the
// system's wide calls, which take UTF-16: titles and paths outside the
// system's 8-bit code page come through whole. Shared by the Win32 backends
// of every platform layer.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace trovane::platform::win32 {

// Bytes that are not UTF-8 become U+FFFD, as the system converts them.
inline std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

inline std::string narrow(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                        nullptr, nullptr);
    return utf8;
}

} // namespace trovane::platform::win32
