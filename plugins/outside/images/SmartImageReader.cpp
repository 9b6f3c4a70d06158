#include "SmartImageReader.h"

#include "JpegDecoder.h"

#include <cstdint>

namespace vistrane {

bool SmartImageReader::Decode(const void* data, unsigned int size) {
    return decodeJpeg(static_cast<const std::uint8_t*>(data), size, image_);
}

const char* SmartImageReader::GetFormatName() {
    return image_.pixels.empty() ? "" : "JPEG";
}

const unsigned char* SmartImageReader::GetPixels() {
    return image_.pixels.empty() ? nullptr : image_.pixels.data();
}

} // namespace vistrane
