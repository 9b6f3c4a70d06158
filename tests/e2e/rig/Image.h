// An RGB picture read from a binary PPM or a PNG file, with the few
// measurements the tests make on screenshots.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include <vector>

namespace e2e {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

class Image {
public:
    // Empty when the file is not an 8-bit binary PPM.
    static std::optional<Image> readPpm(const std::filesystem::path& file);
    // Empty when libpng cannot read the file; any PNG is read as 8-bit RGB.
    static std::optional<Image> readPng(const std::filesystem::path& file);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb at(int x, int y) const;

    // Pixels of the rectangle (x, y, w, h) that satisfy test.
    template <typename Test>
    int count(int x, int y, int w, int h, Test test) const {
        int n = 0;
        for (int row = y; row < y + h && row < height_; ++row) {
            for (int column = x; column < x + w && column < width_; ++column) {
                n += test(at(column, row)) ? 1 : 0;
            }
        }
        return n;
    }

    // Pixels of the rectangle that differ from the same pixel of other.
    int differences(const Image& other, int x, int y, int w, int h) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> rgb_;
};

} // namespace e2e
