// The window and its GL context: pixel format, showing and hiding with the
// fade, framed and borderless placement.
#include "platform/window/Window.h"

#include "platform/window/GLContext.h"
#include "platform/window/VideoSystem.h"

#include <GL/gl.h>

#include "tests/platform/window/VideoTest.h"

#include <gtest/gtest.h>

#include <chrono>

namespace trovane::platform {
namespace {

class WindowTest : public test::VideoTest {
protected:
    void setUpWithVideo() override {
        std::string error;
        WindowOptions options;
        options.title = "Window test";
        options.client = Rect{256, 128, 320, 200};
        window = Window::create(options, error);
        ASSERT_NE(window, nullptr) << error;
    }

    std::unique_ptr<Window> window;
};

TEST_F(WindowTest, IsMadeHiddenWithADepthBufferOfSomeSize) {
    EXPECT_FALSE(window->visible());
    EXPECT_GE(window->depthBits(), 16);
}

TEST_F(WindowTest, ContextIsCurrentAndDraws) {
    std::string error;
    auto context = GLContext::create(*window, error);
    ASSERT_NE(context, nullptr) << error;
    EXPECT_NE(glGetString(GL_VERSION), nullptr);
    GLint depth = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    EXPECT_GE(depth, 16);
    // A refusal (no retrace to wait for) is fine; the call must not fail loudly.
    context->setSwapInterval(0);
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    GLubyte pixel[4] = {};
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[1], 255);
    context->swapBuffers();
}

TEST_F(WindowTest, ShowFadesInWithinItsTimeAndHideFadesOut) {
    auto began = std::chrono::steady_clock::now();
    window->show(200);
    auto shown = std::chrono::steady_clock::now();
    EXPECT_TRUE(window->visible());
    EXPECT_LT(shown - began, std::chrono::seconds(2));
    window->show(200); // already visible: only raised
    EXPECT_LT(std::chrono::steady_clock::now() - shown, std::chrono::milliseconds(150));
    window->hide(100);
    EXPECT_FALSE(window->visible());
}

TEST_F(WindowTest, BorderlessCoversTheDesktopAndFramedReturnsToItsPlace) {
    window->show(0);
    window->makeBorderlessDesktop(video->desktopBounds());
    Rect full = window->clientRect();
    EXPECT_EQ(full.x, 0);
    EXPECT_EQ(full.y, 0);
    EXPECT_EQ(full.width, 1024);
    EXPECT_EQ(full.height, 768);
    window->makeFramed(Rect{256, 128, 320, 200});
    Rect framed = window->clientRect();
    EXPECT_EQ(framed.x, 256);
    EXPECT_EQ(framed.y, 128);
    EXPECT_EQ(framed.width, 320);
    EXPECT_EQ(framed.height, 200);
}

TEST(WindowPixelFormat, DepthAskedBeyondWhatIsOfferedFallsBackTo24Or16) {
    std::string error;
    auto video = VideoSystem::open(error);
    ASSERT_NE(video, nullptr) << error;
    WindowOptions options;
    options.client = Rect{0, 0, 64, 64};
    options.depthBits = 32;
    auto window = Window::create(options, error);
    ASSERT_NE(window, nullptr) << error;
    EXPECT_LE(window->depthBits(), 32);
    options.doubleBuffered = false;
    options.colorBits = 16;
    EXPECT_NE(Window::create(options, error), nullptr) << error;
}

} // namespace
} // namespace trovane::platform
