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
    return folderOf(std::string(buffer, length), "\\/");
}

std::string locateModule(std::string_view name) {
    return std::string(name);
}

std::string locateModule(std::string_view name, const std::string& /*executableFolder*/) {
    return std::string(name);
}

} // namespace trovane::platform
