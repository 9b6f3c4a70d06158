// F12: the frame as drawn, saved as a PNG of the window's size under
// screenshots/ in the working directory.
#include "FrameViews.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace e2e::frame {
namespace {

std::optional<std::filesystem::path> firstPng(const std::filesystem::path& folder) {
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored)) {
        return std::nullopt;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".png") {
            return entry.path();
        }
    }
    return std::nullopt;
}

TEST(Screenshot, F12SavesTheFrameAsAPngOfTheWindowsSize) {
    FrameStage s(insideTheStation());
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    const std::filesystem::path folder = s.stage().program().directory() / "screenshots";
    std::optional<std::filesystem::path> png;
    for (int attempt = 0; attempt < 4 && !png; ++attempt) {
        s.holdKey("F12");
        for (int wait = 0; wait < 20 && !png; ++wait) {
            sleepFor(Milliseconds(200));
            png = firstPng(folder);
        }
    }
    ASSERT_TRUE(png) << s.stage().program().err();
    EXPECT_TRUE(std::regex_match(png->filename().string(),
                                 std::regex(R"(trovane-[0-9]{8}-[0-9]{6}-[0-9]{3}\.png)")))
        << *png;
    sleepFor(Milliseconds(500)); // written in one go, but let the frame end
    const std::filesystem::path ppm = png->parent_path() / "decoded.ppm";
    const ProcessResult decoded =
        runProcess({"convert", png->string(), ppm.string()}, Milliseconds(20000));
    ASSERT_TRUE(decoded.succeeded()) << decoded.err;
    const std::optional<Image> image = Image::readPpm(ppm);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), View::kWidth);
    EXPECT_EQ(image->height(), View::kHeight);
    // Inside the station: walls all round, and the overlay's grey cross.
    EXPECT_GT(image->count(0, 0, View::kWidth, View::kHeight - 40, lit),
              View::kWidth * (View::kHeight - 40) * 3 / 4);
    EXPECT_GT(image->count(View::kWidth / 2 - 15, View::kHeight / 2 - 12, 31, 25, overlayGrey), 20);
    EXPECT_NE(s.stage().program().out().find("screenshots/" + png->filename().string()),
              std::string::npos)
        << "the path is printed";
}

} // namespace
} // namespace e2e::frame
