// Small JPEG files made while the tests run, with libjpeg's encoder.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vistrane::test {

using Bytes = std::vector<std::uint8_t>;

enum class Colours { Grey, Rgb, AdobeCmyk };

struct JpegRecipe {
    int width = 16;
    int height = 8;
    Colours colours = Colours::Rgb;
    bool progressive = false;
    // Stored sample c (0 .. components-1) of pixel (x, y). CMYK samples are
    // stored as Adobe writes them: 255 means no ink.
    std::function<std::uint8_t(int x, int y, int c)> sample;
    // A progressive file refined one coefficient and one bit at a time: more
    // than two thousand scans for a colour picture.
    bool everyScanSeparate = false;
};

Bytes encodeJpeg(const JpegRecipe& recipe);

// Byte offset of the frame header (SOF0 or SOF2 marker), or 0 when none.
std::size_t frameHeaderOffset(const Bytes& jpeg);

// Writes a declared size into the frame header of jpeg.
void declareSize(Bytes& jpeg, std::uint16_t width, std::uint16_t height);

} // namespace vistrane::test
