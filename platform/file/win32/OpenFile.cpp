#include "platform/file/OpenFile.h"

#include "platform/win32/WideText.h"

namespace trovane::platform {

std::FILE* openFile(const char* utf8Name, const char* mode) {
    return _wfopen(win32::widen(utf8Name).c_str(), win32::widen(mode).c_str());
}

} // namespace trovane::platform
