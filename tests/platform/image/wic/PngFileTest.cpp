// The PNG writer on Windows: its files read back through the system's own
// decoder pixel for pixel, and what it cannot write leaves no file behind.
#include "platform/image/PngFile.h"
#include "platform/win32/ComRef.h"
#include "platform/win32/ComScope.h"
#include "tests/support/BigEndian.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <wincodec.h>

#include <cstdint>
#include <string>
#include <vector>

namespace trovane::platform {
namespace {

struct Decoded {
    UINT width = 0;
    UINT height = 0;
    std::vector<BYTE> rgb;
};

// The file as WIC's PNG decoder reads it, in 24-bit RGB; empty when it cannot.
Decoded decodePng(const std::filesystem::path& file) {
    const ComScope com;
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    GUID container{};
    Decoded decoded;
    if (!com.usable() ||
        FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(factory.out()))) ||
        FAILED(factory->CreateDecoderFromFilename(file.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.out())) ||
        FAILED(decoder->GetContainerFormat(&container)) ||
        !IsEqualGUID(container, GUID_ContainerFormatPng) ||
        FAILED(decoder->GetFrame(0, frame.out())) ||
        FAILED(frame->GetSize(&decoded.width, &decoded.height)) ||
        FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat24bppRGB,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return {};
    }
    decoded.rgb.resize(std::size_t{decoded.width} * decoded.height * 3);
    if (FAILED(converter->CopyPixels(nullptr, decoded.width * 3,
                                     static_cast<UINT>(decoded.rgb.size()), decoded.rgb.data()))) {
        return {};
    }
    return decoded;
}

// Every pixel and channel differs from its neighbours, so swapped channels,
// flipped rows or padded rows show.
RgbPicture pattern(int width, int height) {
    RgbPicture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.pixels.push_back(static_cast<std::uint8_t>(x * 37 + y));
            picture.pixels.push_back(static_cast<std::uint8_t>(255 - y * 11));
            picture.pixels.push_back(static_cast<std::uint8_t>(x * 5 + y * 3 + 1));
        }
    }
    return picture;
}

TEST(WicPngFile, ReadsBackPixelForPixelAndReplacesALongerFile) {
    const test::TempDir folder;
    const std::filesystem::path file = folder.path() / "shot.png";
    const struct { int width, height; } sizes[] = {{7, 5}, {1, 1}, {640, 480}};
    for (const auto& size : sizes) {
        const std::string what = std::to_string(size.width) + "x" + std::to_string(size.height);
        folder.write("shot.png", std::string(2'000'000, 'x'));
        const RgbPicture picture = pattern(size.width, size.height);
        std::string error;
        ASSERT_TRUE(writePng(file, picture, error)) << what << ": " << error;

        const std::string bytes = test::readFile(file);
        ASSERT_GT(bytes.size(), 33u) << what;
        EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << what;
        EXPECT_EQ(bytes.substr(12, 4), "IHDR") << what;
        EXPECT_EQ(test::bigEndianAt(bytes, 16), std::uint32_t(size.width)) << what;
        EXPECT_EQ(test::bigEndianAt(bytes, 20), std::uint32_t(size.height)) << what;
        EXPECT_EQ(bytes[24], 8) << what << ": bits per channel";
        EXPECT_EQ(bytes[25], 2) << what << ": colour type (RGB, no alpha)";
        EXPECT_EQ(bytes.substr(bytes.size() - 8, 4), "IEND") << what;

        const Decoded decoded = decodePng(file);
        ASSERT_EQ(decoded.width, UINT(size.width)) << what;
        ASSERT_EQ(decoded.height, UINT(size.height)) << what;
        EXPECT_TRUE(decoded.rgb == picture.pixels) << what;
    }
}

TEST(WicPngFile, RefusesWhatItCannotWriteAndLeavesNoFile) {
    const test::TempDir folder;
    const RgbPicture good = pattern(4, 3);
    std::string error;

    const std::filesystem::path inMissingFolder = folder.path() / "missing" / "a.png";
    EXPECT_FALSE(writePng(inMissingFolder, good, error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(inMissingFolder));

    const std::filesystem::path aFolder = folder.path() / "folder.png";
    std::filesystem::create_directory(aFolder);
    error.clear();
    EXPECT_FALSE(writePng(aFolder, good, error));
    EXPECT_NE(error.find("folder.png"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_directory(aFolder));

    RgbPicture shortOfAByte = good;
    shortOfAByte.pixels.pop_back();
    const RgbPicture malformed[] = {shortOfAByte, {0, 3, {}}, {4, -3, good.pixels}, {}};
    for (const RgbPicture& picture : malformed) {
        const std::filesystem::path file = folder.path() / "malformed.png";
        error.clear();
        EXPECT_FALSE(writePng(file, picture, error)) << picture.width << "x" << picture.height;
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(std::filesystem::exists(file)) << picture.width << "x" << picture.height;
    }
}

} // namespace
} // namespace trovane::platform
