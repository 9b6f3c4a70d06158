// JPEG pictures in memory to RGBA: through libjpeg-turbo on Linux, through
// the Windows Imaging Component on Windows (so no outside DLL ships there).
#pragma once

#include "RgbaImage.h"

#include <cstddef>
#include <cstdint>

namespace vistrane {

// True when the bytes start with a JPEG start-of-image marker.
bool looksLikeJpeg(const std::uint8_t* data, std::size_t size);

// Decodes baseline and progressive JPEG in greyscale, YCbCr/RGB or CMYK
// (Adobe's inverted form) into image. Rejects, leaving image empty: data
// that is not JPEG, damaged or cut short (any corrupt-data warning counts),
// a declared size outside DecodeLimits.h, and any error of the decoder.
// Never exits or prints.
bool decodeJpeg(const std::uint8_t* data, std::size_t size, RgbaImage& image);

} // namespace vistrane
