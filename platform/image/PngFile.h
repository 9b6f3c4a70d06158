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

// Writes picture to file, replacing it. False, with the reason in error, when
// the picture is empty or malformed or the file cannot be written; a file
// left half written is removed.
bool writePng(const std::filesystem::path& file, const RgbPicture& picture, std::string& error);

} // namespace trovane::platform
