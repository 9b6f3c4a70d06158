// A decoded picture: rows of 8-bit red, green, blue and alpha, top row first.
#pragma once

#include <cstdint>
#include <vector>

namespace vistrane {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 4 bytes

    void clear() {
        width = 0;
        height = 0;
        pixels.clear();
        pixels.shrink_to_fit();
    }
};

} // namespace vistrane
