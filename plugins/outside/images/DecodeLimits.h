// Bounds on what a picture may ask of the decoder, checked against the
// declared size before any pixel is decoded, so a small hostile file cannot
// demand gigabytes or minutes.
#pragma once

#include <cstdint>

namespace vistrane {

// Either side at most 8192 pixels (beyond the texture size GL drivers take).
inline constexpr std::uint32_t kMaxSide = 8192;
// At most 16 Mi pixels: 64 MiB of RGBA.
inline constexpr std::uint64_t kMaxPixels = 16ull * 1024 * 1024;
// Progressive files may repeat scans without end; real ones use a dozen.
inline constexpr int kMaxScans = 1000;
// The decoder's own working memory (whole-image buffers of progressive files).
inline constexpr long kMaxWorkingMemory = 256l * 1024 * 1024;

constexpr bool withinLimits(std::uint32_t width, std::uint32_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           std::uint64_t{width} * height <= kMaxPixels;
}

} // namespace vistrane
