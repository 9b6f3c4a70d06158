#include "platform/module/ModuleSearch.h"

#include <climits>
#include <unistd.h>

namespace trovane::platform {

namespace {

constexpr std::string_view kDesktopSuffix = ".dll";
constexpr std::string_view kModuleSuffix = ".so";

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Desktop file names ignore letter case, so "X.DLL" is a library name too.
bool hasDesktopSuffix(std::string_view name) {
    if (name.size() < kDesktopSuffix.size()) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - kDesktopSuffix.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (lowerAscii(tail[i]) != kDesktopSuffix[i]) {
            return false;
        }
    }
    return true;
}

bool fileExists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

} // namespace

std::string moduleFileName(std::string_view name) {
    if (!hasDesktopSuffix(name)) {
        return std::string(name);
    }
    std::string file(name.substr(0, name.size() - kDesktopSuffix.size()));
    file += kModuleSuffix;
    return file;
}

std::string executableDirectory() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) {
        return {};
    }
    return folderOf(std::string(buffer, static_cast<std::size_t>(length)), "/");
}

std::string locateModule(std::string_view name) {
    return locateModule(name, executableDirectory());
}

std::string locateModule(std::string_view name, const std::string& executableFolder) {
    std::string file = moduleFileName(name);
    const bool ownLibrary = hasDesktopSuffix(name) && file.find('/') == std::string::npos;
    if (!ownLibrary || executableFolder.empty()) {
        return file;
    }
    for (const char* folder : {"", "../lib/trovane/"}) {
        const std::string path = executableFolder + folder + file;
        if (fileExists(path)) {
            return path;
        }
    }
    return file;
}

} // namespace trovane::platform
