// Saving a picture as a PNG file: libpng, or WIC on Windows, behind one header.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace trovane::platform {

// 8-bit RGB, three bytes a pixel, rows from the top, no padding.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Has pixels, and exactly three bytes of them for each.
inline bool isWellFormed(const RgbPicture& picture) {
    return picture.width > 0 && picture.height > 0 &&
           picture.pixels.size() == static_cast<std::size_t>(picture.width) *
                                        static_cast<std::size_t>(picture.height) * 3;
}

// Writes picture to file, replacing it. False, with the reason in error, when
// the picture is empty or malformed or the file cannot be written; a file
// left half written is removed.
bool writePng(const std::filesystem::path& file, const RgbPicture& picture, std::string& error);

} // namespace trovane::platform
