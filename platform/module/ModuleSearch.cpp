#include "platform/module/ModuleSearch.h"

namespace trovane::platform {

std::string folderOf(std::string path, const char* separators) {
    const std::size_t last = path.find_last_of(separators);
    if (last == std::string::npos) {
        return {};
    }
    path.resize(last + 1);
    return path;
}

} // namespace trovane::platform
