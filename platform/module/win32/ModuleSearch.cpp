// On Windows a library is loaded under the name it was configured with: the
// system's own search looks beside the executable first.
#include "platform/module/ModuleSearch.h"

#include "platform/win32/WideText.h"

#include <iterator>
#include <windows.h>

namespace trovane::platform {

std::string moduleFileName(std::string_view name) {
    return std::string(name);
}

std::string executableDirectory() {
    // In UTF-8, the program's encoding: the folder may be named outside the
    // system's 8-bit code page. Long paths are allowed for.
    wchar_t buffer[32768];
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer, std::size(buffer));
    if (length == 0 || length >= std::size(buffer)) {
        return {};
    }
    return folderOf(win32::narrow(std::wstring_view(buffer, length)), "\\/");
}

std::string locateModule(std::string_view name) {
    return std::string(name);
}

std::string locateModule(std::string_view name, const std::string& /*executableFolder*/) {
    return std::string(name);
}

} // namespace trovane::platform
