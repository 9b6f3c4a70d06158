#include "platform/input/OemKeyScan.h"

#include <windows.h>

namespace trovane::platform::input {

std::uint32_t oemKeyScan(std::uint16_t character) {
    return ::OemKeyScan(character);
}

} // namespace trovane::platform::input
