#include "ImageDecodeCheck.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace trovane::fuzz {
namespace {

// The limits the image reader promises to enforce before decoding.
constexpr std::int64_t kMaxSide = 8192;
constexpr std::int64_t kMaxPixels = 16ll * 1024 * 1024;

std::string size(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

std::string checkEmpty(ImageReader& reader, const char* after) {
    const char* format = reader.GetFormatName();
    if (reader.GetWidth() != 0 || reader.GetHeight() != 0 || reader.GetPixels() != nullptr ||
        format == nullptr || format[0] != '\0') {
        return std::string("after ") + after + " the reader still reports a picture of " +
               size(reader.GetWidth(), reader.GetHeight());
    }
    return "";
}

std::string checkPicture(ImageReader& reader, bool startsLikeJpeg) {
    const int width = reader.GetWidth();
    const int height = reader.GetHeight();
    const unsigned char* pixels = reader.GetPixels();
    if (pixels == nullptr) {
        return checkEmpty(reader, "a failed decode");
    }
    if (!startsLikeJpeg) {
        return "a picture of " + size(width, height) + " from data without a JPEG start marker";
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        std::int64_t{width} * height > kMaxPixels) {
        return "pixels with a size out of bounds: " + size(width, height);
    }
    const char* format = reader.GetFormatName();
    if (format == nullptr || std::strcmp(format, "JPEG") != 0) {
        return "a decoded picture without the format name JPEG";
    }
    // Every alpha byte, up to the very last byte the size promises.
    const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
    for (std::size_t alpha = 3; alpha < bytes; alpha += 4) {
        if (pixels[alpha] != 255) {
            return "alpha " + std::to_string(pixels[alpha]) + " at byte " + std::to_string(alpha) +
                   " of a " + size(width, height) + " picture";
        }
    }
    return "";
}

} // namespace

std::string checkImageDecode(ImageReader& reader, std::string_view data) {
    // Allocated at exactly the data's size.
    const std::vector<std::uint8_t> copy(data.begin(), data.end());
    const bool startsLikeJpeg =
        copy.size() >= 3 && copy[0] == 0xFF && copy[1] == 0xD8 && copy[2] == 0xFF;
    reader.Decode(copy.data(), static_cast<unsigned int>(copy.size()));
    std::string fault = checkPicture(reader, startsLikeJpeg);
    if (!fault.empty()) {
        return fault;
    }
    // A later decode of nothing replaces the picture.
    reader.Decode(nullptr, 0);
    return checkEmpty(reader, "decoding nothing");
}

} // namespace trovane::fuzz
