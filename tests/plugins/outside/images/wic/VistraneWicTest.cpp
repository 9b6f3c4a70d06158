// Vistrane on Windows: the station texture through WIC, texel for texel
// against libjpeg-turbo's decoding, and 0 x 0 for whatever it cannot decode.
#include "tests/plugins/outside/images/LoadedVistrane.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace vistrane::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes stationTexture() {
    return readBytes(std::string(TROVANE_SOURCE_DIR) + "/textures/morvex.jpg");
}

// A binary PPM ("P6 W H 255\n" then RGB rows) as djpeg writes it.
struct RgbPicture {
    int width = 0;
    int height = 0;
    Bytes rgb;
};

RgbPicture readPpm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    RgbPicture picture;
    in >> magic >> picture.width >> picture.height >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255) {
        return {};
    }
    picture.rgb.resize(std::size_t(picture.width) * picture.height * 3);
    in.read(reinterpret_cast<char*>(picture.rgb.data()), std::streamsize(picture.rgb.size()));
    return picture;
}

// Writes a declared size into the frame header (after FF C0..C2, its length
// and precision come height, then width, big-endian).
void declareSize(Bytes& jpeg, std::uint16_t width, std::uint16_t height) {
    for (std::size_t i = 2; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] >= 0xC0 && jpeg[i + 1] <= 0xC2) {
            jpeg[i + 5] = std::uint8_t(height >> 8);
            jpeg[i + 6] = std::uint8_t(height);
            jpeg[i + 7] = std::uint8_t(width >> 8);
            jpeg[i + 8] = std::uint8_t(width);
            return;
        }
    }
    FAIL() << "no frame header";
}

TEST(VistraneWicContract, SameReadersAsOnLinux) {
    expectVistraneContract();
}

class VistraneWicTest : public LoadedVistrane {
protected:
    void decode(const Bytes& bytes) {
        reader->Decode(bytes.empty() ? nullptr : bytes.data(), unsigned(bytes.size()));
    }
};

TEST_F(VistraneWicTest, StationTextureMatchesLibjpegTurboTexelForTexel) {
    const RgbPicture reference = readPpm(TROVANE_REFERENCE_PPM);
    ASSERT_EQ(reference.width, 256);
    decode(stationTexture());
    ASSERT_EQ(reader->GetWidth(), reference.width);
    ASSERT_EQ(reader->GetHeight(), reference.height);
    EXPECT_STREQ(reader->GetFormatName(), "JPEG");
    const unsigned char* rgba = reader->GetPixels();
    ASSERT_NE(rgba, nullptr);
    int differing = 0;
    int largest = 0;
    bool opaque = true;
    for (std::size_t pixel = 0; pixel < reference.rgb.size() / 3; ++pixel) {
        bool differs = false;
        for (int c = 0; c < 3; ++c) {
            const int difference =
                std::abs(int(rgba[pixel * 4 + c]) - reference.rgb[pixel * 3 + c]);
            differs = differs || difference != 0;
            largest = difference > largest ? difference : largest;
        }
        differing += differs ? 1 : 0;
        opaque = opaque && rgba[pixel * 4 + 3] == 255;
    }
    std::cout << "texels differing from libjpeg-turbo: " << differing << ", largest difference "
              << largest << "\n";
    EXPECT_TRUE(opaque);
    EXPECT_EQ(differing, 0) << "largest difference " << largest;
}

TEST_F(VistraneWicTest, UndecodableInputGivesZeroByZeroAndReplacesAnEarlierPicture) {
    const Bytes jpeg = stationTexture();
    const auto refusedAfterAPicture = [&](const Bytes& bytes, const std::string& what) {
        decode(jpeg);
        ASSERT_EQ(reader->GetWidth(), 256) << what;
        decode(bytes);
        expectEmpty(what);
    };
    refusedAfterAPicture({}, "nothing");
    refusedAfterAPicture({'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}, "text");
    refusedAfterAPicture({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}, "PNG");
    refusedAfterAPicture(Bytes(jpeg.begin(), jpeg.begin() + 200), "cut inside the headers");
    refusedAfterAPicture(Bytes(jpeg.begin(), jpeg.begin() + long(jpeg.size() / 2)),
                         "cut inside the picture");
    Bytes noise = {0xFF, 0xD8, 0xFF};
    for (int i = 0; i < 500; ++i) {
        noise.push_back(std::uint8_t(i * 37 + 11));
    }
    refusedAfterAPicture(noise, "JPEG marker then noise");
}

TEST_F(VistraneWicTest, DeclaredSizesBeyondTheLimitsAreRefused) {
    const struct {
        std::uint16_t width, height;
    } sizes[] = {{65535, 65535}, {8193, 1}, {1, 8193}, {8192, 8192}, {0, 8}, {16, 0}};
    for (const auto& size : sizes) {
        Bytes jpeg = stationTexture();
        declareSize(jpeg, size.width, size.height);
        decode(jpeg);
        expectEmpty(std::to_string(size.width) + "x" + std::to_string(size.height));
    }
}

} // namespace
} // namespace vistrane::test
