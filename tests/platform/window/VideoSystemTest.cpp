// Opening the window system: a real display, or one clear refusal.
#include "platform/window/VideoSystem.h"

#include "tests/support/DisplayForTests.h"
#include "tests/support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <string>

namespace trovane::platform {
namespace {

[[maybe_unused]] const auto* const display =
    ::testing::AddGlobalTestEnvironment(new test::DisplayForTests);

TEST(VideoSystem, OpensOnTheXDisplay) {
    std::string error;
    auto video = VideoSystem::open(error);
    ASSERT_NE(video, nullptr) << error;
    EXPECT_STREQ(video->driverName(), "x11");
    Rect desktop = video->desktopBounds();
    EXPECT_EQ(desktop.width, test::XvfbServer::kWidth);
    EXPECT_EQ(desktop.height, test::XvfbServer::kHeight);
}

TEST(VideoSystem, OpensAgainAfterClosing) {
    for (int i = 0; i < 3; ++i) {
        std::string error;
        auto video = VideoSystem::open(error);
        ASSERT_NE(video, nullptr) << error;
    }
}

void expectRefusal(const std::string& error) {
    EXPECT_EQ(error.rfind("no display: ", 0), 0u) << error;
    EXPECT_NE(error.find("xvfb-run"), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << "one line";
}

TEST(VideoSystem, WithoutADisplayRefusesWithOneLine) {
    test::ScopedEnvironment environment;
    environment.unset("DISPLAY");
    environment.unset("WAYLAND_DISPLAY");
    std::string error;
    EXPECT_EQ(VideoSystem::open(error), nullptr);
    expectRefusal(error);
}

TEST(VideoSystem, WithoutADisplayNeverFallsBackToAnInvisibleDriver) {
    test::ScopedEnvironment environment;
    environment.unset("DISPLAY");
    environment.unset("WAYLAND_DISPLAY");
    environment.unset("SDL_VIDEODRIVER");
    std::string error;
    EXPECT_EQ(VideoSystem::open(error), nullptr);
    expectRefusal(error);
}

TEST(VideoSystem, UnknownDisplayIsRefusedToo) {
    test::ScopedEnvironment environment;
    environment.set("DISPLAY", ":99999");
    std::string error;
    EXPECT_EQ(VideoSystem::open(error), nullptr);
    expectRefusal(error);
    EXPECT_NE(error.find(":99999"), std::string::npos) << error;
}

TEST(VideoSystem, WorksAgainAfterARefusal) {
    {
        test::ScopedEnvironment environment;
        environment.unset("DISPLAY");
        std::string error;
        EXPECT_EQ(VideoSystem::open(error), nullptr);
    }
    std::string error;
    EXPECT_NE(VideoSystem::open(error), nullptr) << error;
}

} // namespace
} // namespace trovane::platform
