// Opening the window system: a real display, or one clear refusal.
#include "platform/window/VideoSystem.h"

#include "DisplayForTests.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace trovane::platform {
namespace {

[[maybe_unused]] const auto* const display =
    ::testing::AddGlobalTestEnvironment(new e2e::DisplayForTests);

// Sets or removes an environment variable for one scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(VideoSystem, OpensOnTheXDisplay) {
    std::string error;
    auto video = VideoSystem::open(error);
    ASSERT_NE(video, nullptr) << error;
    EXPECT_STREQ(video->driverName(), "x11");
    Rect desktop = video->desktopBounds();
    EXPECT_EQ(desktop.width, e2e::XvfbServer::kWidth);
    EXPECT_EQ(desktop.height, e2e::XvfbServer::kHeight);
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
    ScopedVariable noDisplay("DISPLAY", nullptr);
    ScopedVariable noWayland("WAYLAND_DISPLAY", nullptr);
    std::string error;
    EXPECT_EQ(VideoSystem::open(error), nullptr);
    expectRefusal(error);
}

TEST(VideoSystem, WithoutADisplayNeverFallsBackToAnInvisibleDriver) {
    ScopedVariable noDisplay("DISPLAY", nullptr);
    ScopedVariable noWayland("WAYLAND_DISPLAY", nullptr);
    ScopedVariable noDriver("SDL_VIDEODRIVER", nullptr);
    std::string error;
    EXPECT_EQ(VideoSystem::open(error), nullptr);
    expectRefusal(error);
}

TEST(VideoSystem, UnknownDisplayIsRefusedToo) {
    ScopedVariable elsewhere("DISPLAY", ":99999");
    std::string error;
    EXPECT_EQ(VideoSystem::open(error), nullptr);
    expectRefusal(error);
    EXPECT_NE(error.find(":99999"), std::string::npos) << error;
}

TEST(VideoSystem, WorksAgainAfterARefusal) {
    {
        ScopedVariable noDisplay("DISPLAY", nullptr);
        std::string error;
        EXPECT_EQ(VideoSystem::open(error), nullptr);
    }
    std::string error;
    EXPECT_NE(VideoSystem::open(error), nullptr) << error;
}

} // namespace
} // namespace trovane::platform
