#include "platform/file/OpenFile.h"

namespace trovane::platform {

std::FILE* openFile(const char* utf8Name, const char* mode) {
    return std::fopen(utf8Name, mode);
}

} // namespace trovane::platform
