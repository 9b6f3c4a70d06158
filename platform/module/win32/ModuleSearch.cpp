// On Windows a library is loaded under the name it was configured with: the
// system's own search looks beside the executable first.
#include "platform/module/ModuleSearch.h"

#include <windows.h>

namespace trovane::platform {

std::string moduleFileName(std::string_view name) {
    return std::string(name);
}

std::string executableDirectory() {
    char buffer[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) {
        return {};
    }
    std::string path(buffer, length);
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) {
        return {};
    }
    path.resize(slash + 1);
    return path;
}

std::string locateModule(std::string_view name) {
    return std::string(name);
}

std::string locateModule(std::string_view name, const std::string& /*executableFolder*/) {
    return std::string(name);
}

} // namespace trovane::platform
