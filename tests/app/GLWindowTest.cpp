// GLWindow on a virtual X server: creation and its defaults, the message
// handling, the frame clock, the caption and full screen.
#include "app/GLWindow.h"

#include "platform/window/Messages.h"
#include "platform/window/Window.h"
#include "tests/support/DisplayForTests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace trovane {
namespace {

[[maybe_unused]] const auto* const display =
    ::testing::AddGlobalTestEnvironment(new test::DisplayForTests);

using platform::Message;
using platform::MessageKind;

Message messageOf(MessageKind kind) {
    Message message;
    message.kind = kind;
    return message;
}

Message keyDown(platform::Key key) {
    Message message = messageOf(MessageKind::KeyDown);
    message.key = key;
    return message;
}

Message timerTick(unsigned timerId) {
    Message message = messageOf(MessageKind::Timer);
    message.timerId = timerId;
    return message;
}

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Handles waiting messages until one of kind arrives (returned, not
// handled) or the time is up.
std::optional<Message> pumpUntil(GLWindow& window, MessageKind kind, int milliseconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < deadline) {
        Message message;
        while (platform::peekMessage(message)) {
            if (message.kind == kind) {
                return message;
            }
            window.WindowProc(message);
        }
        sleepMs(5);
    }
    return std::nullopt;
}

// Counts the frames it draws.
class CountingWindow : public GLWindow {
public:
    void RenderFrame() override {
        GLWindow::RenderFrame();
        ++drawn;
    }
    int drawn = 0;
};

TEST(GLWindowCreate, NullTitleAndUnusableSizesTakeTheDefaults) {
    GLWindow window;
    ASSERT_TRUE(window.CreateGLWindow(false, nullptr, 0, -3, true, 32, 32));
    EXPECT_STREQ(window.title, "Trovane");
    EXPECT_EQ(window.width, 800);
    EXPECT_EQ(window.height, 600);
    EXPECT_TRUE(window.running);
    EXPECT_TRUE(window.doubleBuffered);
    EXPECT_EQ(window.frameCount, 0u);
    platform::Rect r = window.window->clientRect();
    EXPECT_EQ(r.width, 800);
    EXPECT_EQ(r.height, 600);
}

TEST(GLWindowCreate, KeepsTheCallersTitlePointer) {
    static const char title[] = "Station";
    GLWindow window;
    ASSERT_TRUE(window.CreateGLWindow(false, title, 320, 200, true, 32, 32));
    EXPECT_EQ(window.title, title);
    EXPECT_EQ(window.colorBits, 32);
    EXPECT_EQ(window.depthBits, 32);
}

TEST(GLWindowCreate, TitlesOutsideAsciiOrTooLongForAWindowClassStillOpenIt) {
    // Windows names the window's class after the title; a class name holds
    // at most 255 characters.
    const std::string title = "ステーション " + std::string(300, 'x');
    GLWindow window;
    ASSERT_TRUE(window.Init(title.c_str(), false, 320, 200));
    EXPECT_TRUE(window.window->visible());
}

TEST(GLWindowCreate, AFormatWithoutDepthBitsIsStillAWindow) {
    GLWindow window;
    ASSERT_TRUE(window.CreateGLWindow(false, "Flat", 320, 200, true, 32, 0));
    EXPECT_NE(window.renderContext, nullptr);
}

TEST(GLWindowCreate, SizeBeyondTheDesktopIsReducedToIt) {
    GLWindow window;
    ASSERT_TRUE(window.CreateGLWindow(false, "Big", 5000, 4000, true, 32, 32));
    EXPECT_EQ(window.width, test::kScreenWidth);
    EXPECT_EQ(window.height, test::kScreenHeight);
}

TEST(GLWindowCreate, CreatingAgainReplacesWindowAndContext) {
    CountingWindow window;
    ASSERT_TRUE(window.CreateGLWindow(false, "First", 320, 200, true, 32, 32));
    ASSERT_TRUE(window.CreateGLWindow(false, "Second", 200, 100, true, 32, 32));
    EXPECT_STREQ(window.title, "Second");
    EXPECT_EQ(window.window->clientRect().width, 200);
    window.Step();
    EXPECT_EQ(window.drawn, 1);
}

// A framed window stands at (256, 128) of the screen: on Windows its outer
// corner, as the window system places windows; elsewhere its client area.
void expectClientAreaAt256By128(const GLWindow& window) {
    const platform::Rect r = window.window->clientRect();
#ifdef _WIN32
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_APPWINDOW);
    EXPECT_EQ(r.x, 256 - frame.left);
    EXPECT_EQ(r.y, 128 - frame.top);
#else
    EXPECT_EQ(r.x, 256);
    EXPECT_EQ(r.y, 128);
#endif
}

TEST(GLWindowCreate, OpensHiddenAndShowPlacesTheClientAreaAt256By128) {
    GLWindow window;
    ASSERT_TRUE(window.CreateGLWindow(false, "Placed", 320, 200, true, 32, 32));
    EXPECT_FALSE(window.window->visible());
    window.Show();
    EXPECT_TRUE(window.window->visible());
    expectClientAreaAt256By128(window);
}

TEST(GLWindowFrames, StepDrawsCountsAndPresents) {
    CountingWindow window;
    ASSERT_TRUE(window.Init("Frames", false, 320, 200));
    window.Step();
    window.Step();
    window.Step();
    EXPECT_EQ(window.drawn, 3);
    EXPECT_EQ(window.frameCount, 3u);
}

TEST(GLWindowFrames, PaintDrawsAFrameEvenWhilePausedAndAFrameDueOnlyWhileRunning) {
    CountingWindow window;
    ASSERT_TRUE(window.Init("Paint", false, 320, 200));
    EXPECT_TRUE(window.WindowProc(messageOf(MessageKind::Frame)));
    EXPECT_EQ(window.drawn, 1);
    window.TogglePause();
    EXPECT_TRUE(window.WindowProc(messageOf(MessageKind::Paint)));
    EXPECT_EQ(window.drawn, 2);
    EXPECT_TRUE(window.WindowProc(messageOf(MessageKind::Frame)));
    EXPECT_EQ(window.drawn, 2) << "a frame was drawn while paused";
}

TEST(GLWindowFrames, PaintBeforeTheWindowExistsDrawsNothing) {
    CountingWindow window;
    EXPECT_FALSE(window.WindowProc(messageOf(MessageKind::Paint)));
    EXPECT_EQ(window.drawn, 0);
}

TEST(GLWindowMessages, SizeResizesAndAsksForAPaint) {
    GLWindow window;
    ASSERT_TRUE(window.Init("Size", false, 320, 200));
    pumpUntil(window, MessageKind::Quit, 200); // settle what the start queued
    Message size = messageOf(MessageKind::Size);
    size.width = 300;
    size.height = 150;
    EXPECT_TRUE(window.WindowProc(size));
    EXPECT_EQ(window.width, 300);
    EXPECT_EQ(window.height, 150);
    EXPECT_TRUE(pumpUntil(window, MessageKind::Paint, 2000));
}

TEST(GLWindowMessages, CloseAsksToQuitWithCodeZero) {
    GLWindow window;
    ASSERT_TRUE(window.Init("Close", false, 320, 200));
    EXPECT_TRUE(window.WindowProc(messageOf(MessageKind::Close)));
    std::optional<Message> quit = pumpUntil(window, MessageKind::Quit, 2000);
    ASSERT_TRUE(quit);
    EXPECT_EQ(quit->quitCode, 0);
}

TEST(GLWindowMessages, EscapeAsksTheWindowToClose) {
    GLWindow window;
    ASSERT_TRUE(window.Init("Escape", false, 320, 200));
    EXPECT_TRUE(window.WindowProc(keyDown(platform::Key::Escape)));
    // The close it posts is handled in turn and becomes the quit request.
    EXPECT_TRUE(pumpUntil(window, MessageKind::Quit, 2000));
}

// The message loop's code; a loop that never returns ends the test program after 30 s.
int runLoopBounded(GLWindow& window) {
    std::mutex mutex;
    std::condition_variable returned;
    bool done = false;
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (!returned.wait_for(lock, std::chrono::seconds(30), [&] { return done; })) {
            std::fprintf(stderr, "the message loop did not return\n");
            std::_Exit(1);
        }
    });
    const int code = window.RunMessageLoop();
    {
        const std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    returned.notify_one();
    watchdog.join();
    return code;
}

TEST(GLWindowMessages, MessageLoopReturnsTheQuitCode) {
    CountingWindow window;
    ASSERT_TRUE(window.Init("Loop", false, 320, 200));
    platform::postClose();
    EXPECT_EQ(runLoopBounded(window), 0);
}

TEST(GLWindowMessages, LoopSleepsWhilePausedAndStillEnds) {
    CountingWindow window;
    ASSERT_TRUE(window.Init("Paused loop", false, 320, 200));
    window.TogglePause();
    platform::postQuit(7);
    EXPECT_EQ(runLoopBounded(window), 7);
}

// The timedemo's run: no window keys, and the loop ends with 0 when the check
// after a frame says so, or with the quit code when the window goes first.
TEST(GLWindowMessages, UnattendedLoopTakesNoKeysAndEndsWhenTheRunSaysSo) {
    CountingWindow window;
    ASSERT_TRUE(window.Init("Unattended", false, 320, 200));
    int frames = 0;
    window.setUnattended([&] { return ++frames < 5; });
    EXPECT_FALSE(window.WindowProc(keyDown(platform::Key::Space)));
    EXPECT_TRUE(window.running);
    EXPECT_EQ(runLoopBounded(window), 0);
    EXPECT_EQ(frames, 5);
    EXPECT_GE(window.drawn, 5);
    window.setUnattended([] { return true; });
    platform::postQuit(7);
    EXPECT_EQ(runLoopBounded(window), 7);
    window.setUnattended({});
    EXPECT_TRUE(window.WindowProc(keyDown(platform::Key::Space)));
    EXPECT_FALSE(window.running);
}

TEST(GLWindowMessages, TimerTicksArriveAboutEverySecond) {
    GLWindow window;
    ASSERT_TRUE(window.Init("Timer", false, 320, 200));
    auto began = std::chrono::steady_clock::now();
    std::optional<Message> tick = pumpUntil(window, MessageKind::Timer, 5000);
    ASSERT_TRUE(tick);
    EXPECT_EQ(tick->timerId, GLWindow::kFpsTimerId);
    EXPECT_GT(std::chrono::steady_clock::now() - began, std::chrono::milliseconds(500));
}

TEST(GLWindowCaption, EachTickShowsTheFramesSinceTheLastOne) {
    GLWindow window;
    ASSERT_TRUE(window.Init("Rate", false, 320, 200));
    EXPECT_STREQ(window.Caption(), "");
    const Message tick = timerTick(GLWindow::kFpsTimerId);
    for (int i = 0; i < 5; ++i) {
        window.Step();
    }
    EXPECT_TRUE(window.WindowProc(tick));
    EXPECT_STREQ(window.Caption(), "Rate (5 fps)");
    EXPECT_TRUE(window.WindowProc(tick));
    EXPECT_STREQ(window.Caption(), "Rate (0 fps)");
}

TEST(GLWindowCaption, TicksGoOnWhenTheWindowIsMadeAgain) {
    GLWindow window;
    ASSERT_TRUE(window.Init("First", false, 320, 200));
    ASSERT_TRUE(window.CreateGLWindow(false, "Second", 320, 200, true, 32, 32));
    std::optional<Message> tick = pumpUntil(window, MessageKind::Timer, 3000);
    ASSERT_TRUE(tick) << "the caption's timer stopped with the first window";
    EXPECT_EQ(tick->timerId, GLWindow::kFpsTimerId);
}

TEST(GLWindowCaption, OtherTimersAreNotHandled) {
    GLWindow window;
    ASSERT_TRUE(window.Init("Rate", false, 320, 200));
    EXPECT_FALSE(window.WindowProc(timerTick(1)));
    EXPECT_STREQ(window.Caption(), "");
}

TEST(GLWindowClock, StandsStillWhilePausedAndContinuesFromThere) {
    GLWindow window;
    ASSERT_TRUE(window.CreateGLWindow(false, "Clock", 320, 200, true, 32, 32));
    sleepMs(30);
    window.TogglePause();
    EXPECT_FALSE(window.running);
    double paused = window.GetTime();
    EXPECT_GE(paused, 0.025);
    sleepMs(120);
    EXPECT_EQ(window.GetTime(), paused);
    window.TogglePause();
    EXPECT_TRUE(window.running);
    double resumed = window.GetTime();
    EXPECT_GE(resumed, paused);
    EXPECT_LT(resumed - paused, 0.1) << "the pause was counted";
    EXPECT_GE(window.pausedTicks, 110u);
}

TEST(GLWindowClock, CountsSingleMilliseconds) {
    // A clock that moves in steps of 10 ms or more shows most frames drawn
    // back to back no time at all, and then a whole step: the motion judders.
    GLWindow window;
    ASSERT_TRUE(window.CreateGLWindow(false, "Clock", 320, 200, true, 32, 32));
    std::vector<double> steps;
    for (int i = 0; i < 9; ++i) {
        const double before = window.GetTime();
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1);
        while (std::chrono::steady_clock::now() < until) {
        }
        steps.push_back(window.GetTime() - before);
    }
    std::sort(steps.begin(), steps.end());
    EXPECT_GT(steps.front(), 0.0) << "1 ms passed without the clock moving";
    EXPECT_LE(steps[steps.size() / 2], 0.0025);
}

#ifdef _WIN32
// The thread's execution state, read by setting it to what it was.
EXECUTION_STATE executionState() {
    const EXECUTION_STATE state = SetThreadExecutionState(ES_CONTINUOUS);
    SetThreadExecutionState(state);
    return state;
}

TEST(GLWindowClock, KeepsTheDisplayAwakeWhileRunningOnly) {
    GLWindow window;
    ASSERT_TRUE(window.CreateGLWindow(false, "Awake", 320, 200, true, 32, 32));
    EXPECT_NE(executionState() & ES_DISPLAY_REQUIRED, 0u);
    window.TogglePause();
    EXPECT_EQ(executionState() & ES_DISPLAY_REQUIRED, 0u);
    window.TogglePause();
    EXPECT_NE(executionState() & ES_DISPLAY_REQUIRED, 0u);
}
#endif

TEST(GLWindowClock, SpaceAndPauseToggleTheClock) {
    GLWindow window;
    ASSERT_TRUE(window.Init("Keys", false, 320, 200));
    EXPECT_TRUE(window.WindowProc(keyDown(platform::Key::Space)));
    EXPECT_FALSE(window.running);
    EXPECT_TRUE(window.WindowProc(keyDown(platform::Key::Pause)));
    EXPECT_TRUE(window.running);
}

TEST(GLWindowFullScreen, CoversTheDesktopAndReturnsToTheFramedSize) {
    GLWindow window;
    ASSERT_TRUE(window.Init("Full", false, 400, 300));
    window.ToggleFullScreen();
    EXPECT_TRUE(window.fullScreen);
    std::optional<Message> size;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (window.width != test::kScreenWidth && std::chrono::steady_clock::now() < deadline) {
        size = pumpUntil(window, MessageKind::Size, 500);
        if (size) {
            window.WindowProc(*size);
        }
    }
    EXPECT_EQ(window.width, test::kScreenWidth);
    EXPECT_EQ(window.height, test::kScreenHeight);
    platform::Rect full = window.window->clientRect();
    EXPECT_EQ(full.x, 0);
    EXPECT_EQ(full.y, 0);

    window.ToggleFullScreen();
    EXPECT_FALSE(window.fullScreen);
    EXPECT_EQ(window.width, 400);
    EXPECT_EQ(window.height, 300);
    pumpUntil(window, MessageKind::Quit, 300);
    expectClientAreaAt256By128(window);
    EXPECT_EQ(window.window->clientRect().width, 400);
    EXPECT_EQ(window.window->clientRect().height, 300);
}

TEST(GLWindowClose, DestroyEndsContextAndWindowAndMayBeRepeated) {
    GLWindow window;
    ASSERT_TRUE(window.Init("Gone", false, 320, 200));
    window.Destroy();
    EXPECT_EQ(window.window, nullptr);
    EXPECT_EQ(window.renderContext, nullptr);
    window.Destroy();
    window.CloseWindow();
    // Keys that act on the window are ignored once it is gone.
    EXPECT_FALSE(window.WindowProc(keyDown(platform::Key::F5)));
}

} // namespace
} // namespace trovane
