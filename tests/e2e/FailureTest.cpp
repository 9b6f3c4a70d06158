// Settings and surroundings the program cannot use as they are: it says so
// in one line and ends, or runs on a documented default.
#include "Stage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <string>

namespace e2e {
namespace {

std::string firstLineStartingWith(const std::string& text, const std::string& start) {
    std::size_t at = text.rfind(start, 0) == 0 ? 0 : text.find("\n" + start);
    if (at == std::string::npos) {
        return "";
    }
    if (at > 0) {
        ++at;
    }
    return text.substr(at, text.find('\n', at) - at);
}

// Runs the program with no X display at all and checks that it says so
// and ends quickly with a failure code.
void expectNoDisplayRefusal(const ProgramSetup& setup) {
    auto began = std::chrono::steady_clock::now();
    ProgramRun run("", setup);
    std::optional<int> status = run.process().waitExit(Milliseconds(20000));
    ASSERT_TRUE(status) << "no display, yet still running";
    EXPECT_NE(*status, 0);
    std::string line = firstLineStartingWith(run.err(), "no display: ");
    EXPECT_FALSE(line.empty()) << run.err();
    EXPECT_NE(line.find("xvfb-run"), std::string::npos) << line;
    EXPECT_EQ(run.out().find("Initialize OpenGL"), std::string::npos);
    // Seconds, not the tens an invisible off-screen start would take.
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(10));
}

TEST(NoDisplay, WithTheX11DriverNamedTheProgramRefusesWithOneLine) {
    ProgramSetup setup;
    setup.unsetEnvironment = {"WAYLAND_DISPLAY"};
    expectNoDisplayRefusal(setup);
}

TEST(NoDisplay, WithNoDriverNamedTheProgramNeverRunsOffScreen) {
    ProgramSetup setup;
    setup.unsetEnvironment = {"SDL_VIDEODRIVER", "WAYLAND_DISPLAY"};
    expectNoDisplayRefusal(setup);
}

TEST(InputLibrary, MissingLibraryWarnsOnceAndTheDemoStillFlies) {
    ProgramSetup setup;
    setup.leaveOut = {"Tactrel"};
    setup.arguments = {"-demo"};
    Stage stage(setup);
    ASSERT_TRUE(stage.window()) << stage.program().err();
    std::string err = stage.program().err();
    EXPECT_NE(firstLineStartingWith(err, "warning: input library Tactrel.dll"), "") << err;
    std::optional<Image> first = stage.screenshot("no-input-1.png");
    sleepFor(Milliseconds(1500));
    std::optional<Image> second = stage.screenshot("no-input-2.png");
    ASSERT_TRUE(first && second);
    EXPECT_GT(first->differences(*second, 256, 128, 768, 640), 1000) << "the demo flies";
    stage.x().holdKey("Escape");
    EXPECT_EQ(stage.waitExit(), std::optional<int>(0)) << stage.program().err();
}

TEST(InputLibrary, UnsetLibraryNameWarnsAndRuns) {
    ProgramSetup setup;
    (*setup.settings)["PlugIns.Input"] = "";
    Stage stage(setup);
    ASSERT_TRUE(stage.window()) << stage.program().err();
    std::string err = stage.program().err();
    EXPECT_NE(firstLineStartingWith(err, "warning: input library"), "") << err;
    EXPECT_TRUE(stage.x().waitForName(*stage.window(), std::regex(R"(Trovane \([0-9]+ fps\))"),
                                      Milliseconds(10000)));
}

TEST(WindowSettings, LongTitleIsCutSoTheFrameRateStillShows) {
    ProgramSetup setup;
    (*setup.settings)["Program.Title"] = std::string(300, 'A');
    Stage stage(setup);
    ASSERT_TRUE(stage.window()) << stage.program().err();
    std::optional<std::string> caption = stage.x().waitForName(
        *stage.window(), std::regex(R"(A+ \([0-9]+ fps\))"), Milliseconds(10000));
    ASSERT_TRUE(caption) << stage.x().windowName(*stage.window());
    EXPECT_LT(caption->size(), 128u);
    EXPECT_GT(caption->size(), 100u);
}

// The geometry of the stage's window, which must have appeared.
std::optional<WindowGeometry> geometryOf(Stage& stage) {
    EXPECT_TRUE(stage.window()) << stage.program().err();
    return stage.window() ? stage.x().geometry(*stage.window()) : std::nullopt;
}

// Sizes for config.ini; "" leaves the key out.
ProgramSetup withSizes(const std::string& width, const std::string& height) {
    ProgramSetup setup;
    (*setup.settings)["Program.Width"] = width;
    (*setup.settings)["Program.Height"] = height;
    return setup;
}

TEST(WindowSettings, ZeroNegativeOrMissingSizesGiveTheDefaultWindow) {
    for (const auto& [width, height] : {std::pair{"0", "-5"}, std::pair{"", ""}}) {
        Stage stage(withSizes(width, height));
        const std::optional<WindowGeometry> g = geometryOf(stage);
        ASSERT_TRUE(g) << width << " x " << height;
        EXPECT_EQ(g->width, 800);
        EXPECT_EQ(g->height, 600);
    }
}

TEST(WindowSettings, SizeBeyondTheDesktopIsReducedToIt) {
    Stage stage(withSizes("100000", "40000"));
    const std::optional<WindowGeometry> g = geometryOf(stage);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->width, XvfbServer::kWidth);
    EXPECT_EQ(g->height, XvfbServer::kHeight);
    EXPECT_TRUE(stage.x().waitForName(*stage.window(), std::regex(R"(Trovane \([0-9]+ fps\))"),
                                      Milliseconds(10000)));
}

} // namespace
} // namespace e2e
