// The built image library, loaded as the program loads it.
#include "JpegFixtures.h"
#include "LoadedVistrane.h"

#include <gtest/gtest.h>

namespace vistrane::test {
namespace {

TEST(VistraneContractTest, ReadersForTheFirstThreeNamesOnly) {
    expectVistraneContract();
}

using VistraneReaderTest = LoadedVistrane;

TEST_F(VistraneReaderTest, DefaultReaderDecodesJpegIntoPixelsOfTheReportedSize) {
    const Bytes jpeg = encodeJpeg({.width = 24, .height = 10, .sample = [](int x, int y, int) {
                                       return static_cast<std::uint8_t>(x * 10 + y);
                                   }});
    reader->Decode(jpeg.data(), static_cast<unsigned>(jpeg.size()));
    ASSERT_EQ(reader->GetWidth(), 24);
    ASSERT_EQ(reader->GetHeight(), 10);
    EXPECT_STREQ(reader->GetFormatName(), "JPEG");
    const unsigned char* pixels = reader->GetPixels();
    ASSERT_NE(pixels, nullptr);
    // The last pixel is in bounds and opaque.
    EXPECT_EQ(pixels[24 * 10 * 4 - 1], 255);
}

TEST_F(VistraneReaderTest, UndecodableInputLeavesAnEmptyPictureAndReplacesAnEarlierOne) {
    const Bytes jpeg = encodeJpeg({.sample = [](int, int, int) { return 128; }});
    reader->Decode(jpeg.data(), static_cast<unsigned>(jpeg.size()));
    ASSERT_EQ(reader->GetWidth(), 16);

    reader->Decode(nullptr, 10);
    expectEmpty("null data");
    reader->Decode(jpeg.data(), 0);
    expectEmpty("size 0");
    const Bytes text = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
    reader->Decode(text.data(), static_cast<unsigned>(text.size()));
    expectEmpty("text");
    reader->Decode(jpeg.data(), static_cast<unsigned>(jpeg.size() / 2));
    expectEmpty("cut short");
}

TEST_F(VistraneReaderTest, NothingDecodedYetReadsAsEmpty) {
    expectEmpty("new reader");
}

} // namespace
} // namespace vistrane::test
