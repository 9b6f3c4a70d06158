// Files by name, with every name in UTF-8, the program's own encoding: on
// Windows a folder named outside the system's 8-bit code page (for example
// in Japanese) opens as any other.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace trovane::platform {

// std::fopen for a UTF-8 name; null with errno set when it cannot be opened.
std::FILE* openFile(const char* utf8Name, const char* mode);

// A path from UTF-8 text, and back; the same bytes on Linux.
inline std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(
        std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

inline std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

} // namespace trovane::platform
