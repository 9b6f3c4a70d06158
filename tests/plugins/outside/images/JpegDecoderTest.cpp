// JPEG to RGBA: colour, grey, progressive and CMYK pictures, and every kind
// of input that must be refused without a crash.
#include "JpegDecoder.h"
#include "DecodeLimits.h"
#include "JpegFixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace vistrane::test {
namespace {

// Quality 100 still moves samples a little at sharp edges.
constexpr int kTolerance = 6;

// Left half red, right half blue, top row to bottom growing green.
std::uint8_t twoHalves(int x, int y, int c) {
    const bool left = x < 8;
    switch (c) {
    case 0:
        return left ? 255 : 0;
    case 1:
        return static_cast<std::uint8_t>(y * 32);
    default:
        return left ? 0 : 255;
    }
}

Bytes colourPicture(bool progressive = false) {
    return encodeJpeg({.progressive = progressive, .sample = twoHalves});
}

void expectPixelNear(const RgbaImage& image, int x, int y, int r, int g, int b) {
    const std::uint8_t* p = &image.pixels[static_cast<std::size_t>((y * image.width + x) * 4)];
    EXPECT_NEAR(p[0], r, kTolerance) << "red at " << x << "," << y;
    EXPECT_NEAR(p[1], g, kTolerance) << "green at " << x << "," << y;
    EXPECT_NEAR(p[2], b, kTolerance) << "blue at " << x << "," << y;
    EXPECT_EQ(p[3], 255) << "alpha at " << x << "," << y;
}

void expectRefused(const Bytes& data, const std::string& what) {
    RgbaImage image;
    image.width = 99; // earlier content must go too
    image.pixels.assign(4, 1);
    EXPECT_FALSE(decodeJpeg(data.data(), data.size(), image)) << what;
    EXPECT_EQ(image.width, 0) << what;
    EXPECT_EQ(image.height, 0) << what;
    EXPECT_TRUE(image.pixels.empty()) << what;
}

TEST(JpegDecoderTest, ColourPictureBecomesRgbaRowsTopFirst) {
    const Bytes jpeg = colourPicture();
    RgbaImage image;
    ASSERT_TRUE(decodeJpeg(jpeg.data(), jpeg.size(), image));
    ASSERT_EQ(image.width, 16);
    ASSERT_EQ(image.height, 8);
    ASSERT_EQ(image.pixels.size(), 16u * 8u * 4u);
    expectPixelNear(image, 2, 0, 255, 0, 0);
    expectPixelNear(image, 13, 0, 0, 0, 255);
    expectPixelNear(image, 2, 7, 255, 224, 0);
    expectPixelNear(image, 13, 7, 0, 224, 255);
}

TEST(JpegDecoderTest, ProgressivePictureDecodesLikeTheBaselineOne) {
    const Bytes jpeg = colourPicture(true);
    ASSERT_EQ(jpeg[frameHeaderOffset(jpeg) + 1], 0xC2) << "not written progressive";
    RgbaImage image;
    ASSERT_TRUE(decodeJpeg(jpeg.data(), jpeg.size(), image));
    ASSERT_EQ(image.width, 16);
    expectPixelNear(image, 2, 0, 255, 0, 0);
    expectPixelNear(image, 13, 7, 0, 224, 255);
}

TEST(JpegDecoderTest, GreyPictureGivesEqualRedGreenAndBlue) {
    const Bytes jpeg = encodeJpeg(
        {.width = 8, .height = 8, .colours = Colours::Grey, .sample = [](int x, int, int) {
             return x < 4 ? 40 : 200;
         }});
    RgbaImage image;
    ASSERT_TRUE(decodeJpeg(jpeg.data(), jpeg.size(), image));
    expectPixelNear(image, 1, 3, 40, 40, 40);
    expectPixelNear(image, 6, 3, 200, 200, 200);
}

TEST(JpegDecoderTest, AdobeCmykPictureIsConvertedToRgb) {
    // Stored as Adobe writes it: 255 is no ink. Left: full cyan; right: half black.
    const Bytes jpeg = encodeJpeg({.width = 16,
                                   .height = 8,
                                   .colours = Colours::AdobeCmyk,
                                   .sample = [](int x, int, int c) -> std::uint8_t {
                                       if (x < 8) {
                                           return c == 0 ? 0 : 255;
                                       }
                                       return c == 3 ? 128 : 255;
                                   }});
    RgbaImage image;
    ASSERT_TRUE(decodeJpeg(jpeg.data(), jpeg.size(), image));
    expectPixelNear(image, 2, 4, 0, 255, 255);
    expectPixelNear(image, 13, 4, 128, 128, 128);
}

TEST(JpegDecoderTest, NothingToDecodeIsRefused) {
    RgbaImage image;
    EXPECT_FALSE(decodeJpeg(nullptr, 100, image));
    const Bytes jpeg = colourPicture();
    EXPECT_FALSE(decodeJpeg(jpeg.data(), 0, image));
    expectRefused({}, "empty");
}

TEST(JpegDecoderTest, OtherFormatsAndNoiseAreRefused) {
    expectRefused({'h', 'e', 'l', 'l', 'o'}, "text");
    expectRefused({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}, "PNG signature");
    expectRefused({'B', 'M', 0, 0, 0, 0}, "BMP signature");
    Bytes noise = {0xFF, 0xD8, 0xFF};
    for (int i = 0; i < 500; ++i) {
        noise.push_back(static_cast<std::uint8_t>(i * 37 + 11));
    }
    expectRefused(noise, "JPEG marker then noise");
}

TEST(JpegDecoderTest, PicturesCutShortAreRefusedAtEveryLength) {
    const Bytes jpeg = colourPicture();
    for (std::size_t length = 1; length < jpeg.size() - 2; length += 7) {
        expectRefused(Bytes(jpeg.begin(), jpeg.begin() + static_cast<long>(length)),
                      "cut to " + std::to_string(length) + " bytes");
    }
    const Bytes progressive = colourPicture(true);
    expectRefused(Bytes(progressive.begin(), progressive.end() - 40), "progressive, cut");
}

TEST(JpegDecoderTest, DamagedPictureIsRefused) {
    Bytes jpeg = colourPicture();
    const std::size_t sof = frameHeaderOffset(jpeg);
    jpeg[sof + 9] = 7; // component count
    expectRefused(jpeg, "seven components");
}

TEST(JpegDecoderTest, DeclaredSizesBeyondTheLimitsAreRefusedBeforeDecoding) {
    const struct {
        std::uint16_t width, height;
    } sizes[] = {{65535, 65535}, {kMaxSide + 1, 1}, {1, kMaxSide + 1}, {kMaxSide, kMaxSide}, {0, 8},
                 {16, 0}};
    for (const auto& size : sizes) {
        Bytes jpeg = colourPicture();
        declareSize(jpeg, size.width, size.height);
        expectRefused(jpeg, std::to_string(size.width) + "x" + std::to_string(size.height));
    }
    static_assert(!withinLimits(kMaxSide, kMaxSide), "the area limit is below the side limit");
    static_assert(withinLimits(4096, 4096));
}

TEST(JpegDecoderTest, EndlessScansAreRefused) {
    const Bytes jpeg =
        encodeJpeg({.width = 8, .height = 8, .sample = twoHalves, .everyScanSeparate = true});
    expectRefused(jpeg, "more scans than any real picture");
}

TEST(JpegDecoderTest, TheStationTextureDecodes) {
    const std::string path = std::string(TROVANE_SOURCE_DIR) + "/textures/morvex.jpg";
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr) << path;
    Bytes jpeg;
    int c = 0;
    while ((c = std::fgetc(file)) != EOF) {
        jpeg.push_back(static_cast<std::uint8_t>(c));
    }
    std::fclose(file);
    RgbaImage image;
    ASSERT_TRUE(decodeJpeg(jpeg.data(), jpeg.size(), image));
    EXPECT_EQ(image.width, 256);
    EXPECT_EQ(image.height, 256);
}

} // namespace
} // namespace vistrane::test
