// An image reader that recognises the format from the bytes. Only JPEG is
// decoded; anything else reads as an empty picture.
#pragma once

#include "RgbaImage.h"
#include "sdk/OutsideLibraries.h"

namespace vistrane {

class SmartImageReader final : public ImageReader {
public:
    SmartImageReader() = default;
    SmartImageReader(const SmartImageReader&) = delete;
    SmartImageReader& operator=(const SmartImageReader&) = delete;

    void Release() override { delete this; }
    // Replaces the earlier picture. Null data, size 0 or a picture that cannot
    // be decoded leave width 0, height 0, no pixels and format "".
    bool Decode(const void* data, unsigned int size) override;
    const char* GetFormatName() override;
    // Null when nothing was decoded. Valid until the next Decode or Release.
    const unsigned char* GetPixels() override;
    int GetHeight() override { return image_.height; }
    int GetWidth() override { return image_.width; }

private:
    ~SmartImageReader() = default;

    RgbaImage image_;
};

} // namespace vistrane
