// Reading the big-endian numbers of file formats (PNG's chunk fields).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace trovane::test {

// The four bytes of bytes from at on, most significant first.
inline std::uint32_t bigEndianAt(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

} // namespace trovane::test
