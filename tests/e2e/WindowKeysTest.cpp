// The keys the window handles itself (Space, F5, Escape), and the ways the
// program is asked to end.
#include "Stage.h"

#include <gtest/gtest.h>

#include <csignal>
#include <regex>

namespace e2e {
namespace {

const std::regex kRunningCaption(R"(Trovane \([1-9][0-9]* fps\))");
const std::regex kPausedCaption(R"(Trovane \(0 fps\))");

// The framed window's client area as the program places it.
bool isFramed(const WindowGeometry& g) {
    return g.x == 256 && g.y == 128 && g.width == 800 && g.height == 600;
}

bool coversScreen(const WindowGeometry& g) {
    return g.x == 0 && g.y == 0 && g.width == XvfbServer::kWidth && g.height == XvfbServer::kHeight;
}

// Pixels that differ inside the window's visible part of the screen.
int changedPixels(const Image& a, const Image& b) {
    return a.differences(b, 256, 128, XvfbServer::kWidth - 256, XvfbServer::kHeight - 128);
}

// A window opened and its caption reports frames.
bool drawsFrames(Stage& stage) {
    return stage.window() &&
           stage.x().waitForName(*stage.window(), kRunningCaption, Milliseconds(30000));
}

// Waits (bounded) for the caption; a failure shows the caption there was instead.
void expectCaption(Stage& stage, const std::regex& caption) {
    const std::string& window = *stage.window();
    EXPECT_TRUE(stage.x().waitForName(window, caption, Milliseconds(30000)))
        << stage.x().windowName(window);
}

TEST(Pause, SpaceStopsTheFramesAndTheClockAndSpaceAgainResumesThem) {
    ProgramSetup setup;
    setup.arguments = {"-demo"};
    Stage stage(setup);
    ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();

    stage.x().holdKey("space");
    // The first tick after the pause may still count frames of its second.
    expectCaption(stage, kPausedCaption);
    std::optional<Image> before = stage.screenshot("paused-1.png");
    sleepFor(Milliseconds(1500));
    std::optional<Image> after = stage.screenshot("paused-2.png");
    ASSERT_TRUE(before && after);
    // The demo flight follows the clock: a stopped clock keeps the picture.
    EXPECT_EQ(changedPixels(*before, *after), 0);

    stage.x().holdKey("space");
    expectCaption(stage, kRunningCaption);
    sleepFor(Milliseconds(1000));
    std::optional<Image> resumed = stage.screenshot("resumed.png");
    ASSERT_TRUE(resumed);
    EXPECT_GT(changedPixels(*after, *resumed), 1000);
}

TEST(Pause, HoldingSpaceLongPausesOnceNotOnEveryRepeat) {
    Stage stage;
    ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();
    const std::string& window = *stage.window();
    // Longer than the X server's delay before a held key repeats.
    stage.x().holdKey("space", Milliseconds(1500));
    expectCaption(stage, kPausedCaption);
    sleepFor(Milliseconds(1500));
    EXPECT_TRUE(std::regex_match(stage.x().windowName(window), kPausedCaption))
        << stage.x().windowName(window);
}

TEST(Pause, ThePauseKeyPausesToo) {
    Stage stage;
    ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();
    stage.x().holdKey("Pause");
    expectCaption(stage, kPausedCaption);
}

TEST(WindowKeys, RestoreMaximiseAndMinimiseLeaveTheProgramRunning) {
    // Without a window manager the window system may ignore these requests;
    // the program must go on drawing either way.
    Stage stage;
    ASSERT_TRUE(stage.window()) << stage.program().err();
    const std::string& window = *stage.window();
    for (const char* key : {"F6", "F4", "F7", "F4"}) {
        stage.x().holdKey(key);
    }
    EXPECT_TRUE(stage.program().process().running());
    stage.x().focus(window);
    stage.x().holdKey("Escape");
    EXPECT_EQ(stage.waitExit(), std::optional<int>(0)) << stage.program().err();
}

TEST(FullScreen, F5TwiceReturnsToTheFramedWindowAndItsSize) {
    Stage stage;
    ASSERT_TRUE(stage.window()) << stage.program().err();
    const std::string& window = *stage.window();
    std::optional<WindowGeometry> start = stage.x().geometry(window);
    ASSERT_TRUE(start);
    EXPECT_TRUE(isFramed(*start)) << start->x << "," << start->y << " " << start->width << "x"
                                  << start->height;

    stage.x().holdKey("F5");
    std::optional<WindowGeometry> full =
        stage.x().waitForGeometry(window, coversScreen, Milliseconds(5000));
    ASSERT_TRUE(full);
    EXPECT_TRUE(coversScreen(*full)) << full->width << "x" << full->height;

    stage.x().holdKey("F5");
    std::optional<WindowGeometry> back =
        stage.x().waitForGeometry(window, isFramed, Milliseconds(5000));
    ASSERT_TRUE(back);
    EXPECT_TRUE(isFramed(*back)) << back->x << "," << back->y << " " << back->width << "x"
                                 << back->height;
    // Still drawing frames after the round trip.
    EXPECT_TRUE(stage.x().waitForName(window, kRunningCaption, Milliseconds(5000)));
}

void expectEndsWithCodeZero(Stage& stage, const char* whenStillRunning) {
    std::optional<int> status = stage.waitExit();
    ASSERT_TRUE(status) << whenStillRunning;
    EXPECT_EQ(*status, 0) << stage.program().err();
}

TEST(Ending, EscapeEndsTheProgramWithCodeZero) {
    Stage stage;
    ASSERT_TRUE(stage.window()) << stage.program().err();
    stage.x().holdKey("Escape");
    expectEndsWithCodeZero(stage, "still running after Escape");
}

TEST(Ending, CloseRequestEndsTheProgramWithCodeZero) {
    Stage stage;
    ASSERT_TRUE(stage.window()) << stage.program().err();
    ASSERT_TRUE(stage.x().requestClose(*stage.window()));
    expectEndsWithCodeZero(stage, "still running after the close request");
}

TEST(Ending, CloseRequestWhilePausedStillEnds) {
    Stage stage;
    ASSERT_TRUE(stage.window()) << stage.program().err();
    stage.x().holdKey("space");
    ASSERT_TRUE(stage.x().requestClose(*stage.window()));
    expectEndsWithCodeZero(stage, "a paused program did not end");
}

TEST(Ending, TerminateSignalEndsLikeTheCloseBox) {
    Stage stage;
    ASSERT_TRUE(stage.window()) << stage.program().err();
    stage.program().process().signal(SIGTERM);
    expectEndsWithCodeZero(stage, "still running after SIGTERM");
}

} // namespace
} // namespace e2e
