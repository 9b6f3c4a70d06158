// Screenshot files: the name from the moment, and the PNG writer's output and
// refusals.
#include "app/render/Screenshot.h"

#include "platform/image/PngFile.h"
#include "tests/support/BigEndian.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>

namespace trovane {
namespace {

TEST(ScreenshotName, StampsDateTimeAndMilliseconds) {
    const auto when =
        std::chrono::system_clock::time_point(std::chrono::milliseconds(1234567890123));
    const std::string name = screenshotFileName(when);
    EXPECT_TRUE(std::regex_match(name, std::regex(R"(trovane-20090[0-9]{3}-[0-9]{6}-123\.png)")))
        << name;
    const std::string next = screenshotFileName(when + std::chrono::milliseconds(877));
    EXPECT_EQ(next.substr(next.size() - 8), "-000.png");
    EXPECT_NE(next, name);
}

TEST(PngFile, WritesSignatureAndSizeAndRefusesWhatItCannotWrite) {
    test::TempDir folder;
    platform::RgbPicture picture;
    picture.width = 3;
    picture.height = 2;
    picture.pixels.assign(3 * 2 * 3, 200);
    std::string error;
    const std::filesystem::path file = folder.path() / "a.png";
    ASSERT_TRUE(platform::writePng(file, picture, error)) << error;
    const std::string bytes = test::readFile(file);
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(test::bigEndianAt(bytes, 16), 3u);
    EXPECT_EQ(test::bigEndianAt(bytes, 20), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 8, 4), "IEND");

    EXPECT_FALSE(platform::writePng(folder.path() / "missing" / "b.png", picture, error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
    picture.pixels.pop_back();
    EXPECT_FALSE(platform::writePng(folder.path() / "c.png", picture, error));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "c.png"));
}

} // namespace
} // namespace trovane
