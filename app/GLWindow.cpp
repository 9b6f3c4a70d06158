#include "app/GLWindow.h"

#include "app/FrameClock.h"
#include "app/Settings.h"
#include "app/hooks/ProgramHooks.h"
#include "app/render/Screenshot.h"
#include "platform/file/OpenFile.h"
#include "platform/window/Cursor.h"
#include "platform/window/GLContext.h"
#include "platform/window/Ticks.h"
#include "platform/window/Timer.h"
#include "platform/window/VideoSystem.h"
#include "platform/window/Window.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace trovane {
namespace {

constexpr unsigned kFadeInMilliseconds = 200;
constexpr unsigned kFadeOutMilliseconds = 500;
constexpr std::uint32_t kScreenshotNoticeMilliseconds = 4000;

// Start-up is measured to the first presented frame.
void reportFirstFrame() {
    static bool reported = false;
    if (reported) {
        return;
    }
    reported = true;
    hooks::firstFramePresented();
}

} // namespace

GLWindow::GLWindow() = default;

GLWindow::~GLWindow() {
    // Quickly, without the fade of CloseWindow; the video system closes last.
    fpsTimer_.reset();
    renderContext.reset();
    window.reset();
}

bool GLWindow::openDisplay() {
    if (video_ != nullptr) {
        return true;
    }
    std::string error;
    video_ = platform::VideoSystem::open(error);
    if (video_ == nullptr) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    return true;
}

void GLWindow::Destroy() {
    renderContext.reset();
    CloseWindow();
}

bool GLWindow::CreateGLWindow(bool startFullScreen, const char* windowTitle, int clientWidth,
                              int clientHeight, bool withBackBuffer, std::uint8_t colorBitCount,
                              std::uint8_t depthBitCount) {
    const WindowSettings settings = usableWindow(windowTitle, clientWidth, clientHeight);
    fullScreen = startFullScreen;
    title = settings.title;
    width = settings.width;
    height = settings.height;
    doubleBuffered = withBackBuffer;
    colorBits = colorBitCount;
    depthBits = depthBitCount;
    running = true;
    pausedTicks = 0;
    frameCount = 0;
    captionFrameCount_ = 0;
    // The old window's timer ends with it, before a new one starts.
    fpsTimer_.reset();
    if (!openDisplay() || !openWindow()) {
        return false;
    }
    if (fullScreen) {
        platform::showCursor(false);
    }
    fpsTimer_ = std::make_unique<platform::Timer>(kFpsTimerId, kFpsTimerPeriod);
    startTicks = platform::tickCount();
    if (endsOnInput) {
        window->setPointerFree(true);
    }
    if (hostWindow != 0) {
        window->setPointerFree(true);
        const platform::Rect host = window->clientRect();
        width = host.width;
        height = host.height;
    } else {
        video_->keepDisplayAwake(true);
    }
    return openContext();
}

bool GLWindow::openWindow() {
    // A window made before goes first, its context before it.
    renderContext.reset();
    window.reset();
    platform::Rect desktop = video_->desktopBounds();
    // A window larger than the desktop cannot be shown whole.
    if (desktop.width > 0 && desktop.height > 0) {
        width = std::min(width, desktop.width);
        height = std::min(height, desktop.height);
    }
    platform::WindowOptions options;
    options.title = title;
    options.client = fullScreen ? desktop : platform::Rect{kFramedX, kFramedY, width, height};
    options.borderless = fullScreen;
    options.doubleBuffered = doubleBuffered;
    options.colorBits = colorBits;
    options.depthBits = depthBits;
    options.hostWindow = hostWindow;
    options.endsOnInput = endsOnInput;
    std::string error;
    window = platform::Window::create(options, error);
    if (window == nullptr) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    return true;
}

bool GLWindow::openContext() {
    std::string error;
    renderContext = platform::GLContext::create(*window, error);
    if (renderContext == nullptr) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    // Frames are not tied to the display's refresh; where the platform
    // refuses (no vertical retrace, as on a virtual X server) nothing changes.
    renderContext->setSwapInterval(0);
    return true;
}

void GLWindow::Resize(int clientWidth, int clientHeight) {
    width = clientWidth;
    height = clientHeight;
    glViewport(0, 0, width, height);
}

bool GLWindow::Ready() {
    return true;
}

void GLWindow::RenderFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GLWindow::Present() {
    if (renderContext != nullptr) {
        renderContext->swapBuffers();
        reportFirstFrame();
    }
}

bool GLWindow::Init(const char* windowTitle, bool startFullScreen, int clientWidth,
                    int clientHeight) {
    if (!CreateGLWindow(startFullScreen, windowTitle, clientWidth, clientHeight, true, 32, 32)) {
        return false;
    }
    Resize(width, height);
    Show();
    return true;
}

namespace {

bool handleMessage(const platform::Message& message, void* window) {
    return static_cast<GLWindow*>(window)->WindowProc(message);
}

// While the loop runs, the window system may hand messages over at once
// (from inside a move or menu loop of its own), so drawing never stops.
class MessageHandlerScope {
public:
    explicit MessageHandlerScope(GLWindow& window) {
        platform::setMessageHandler(handleMessage, &window);
    }
    ~MessageHandlerScope() { platform::setMessageHandler(nullptr, nullptr); }
    MessageHandlerScope(const MessageHandlerScope&) = delete;
    MessageHandlerScope& operator=(const MessageHandlerScope&) = delete;
};

} // namespace

int GLWindow::RunMessageLoop() {
    const MessageHandlerScope handler(*this);
    unattendedDone_ = false;
    Show();
    for (;;) {
        platform::Message message;
        while (platform::peekMessage(message)) {
            if (message.kind == platform::MessageKind::Quit) {
                return message.quitCode;
            }
            WindowProc(message);
        }
        if (unattendedDone_) {
            return 0;
        }
        if (running) {
            Step();
        } else {
            platform::waitMessage();
        }
    }
}

void GLWindow::Step() {
    RenderFrame();
    // Before the swap: the back buffer holds the frame as drawn.
    if (screenshotWanted_) {
        screenshotWanted_ = false;
        takeScreenshot();
    }
    ++frameCount;
    if (doubleBuffered) {
        Present();
    }
    // Frames drawn after the run said it was over (a paint on the way out)
    // are not its own.
    if (unattendedAfterFrame_ && !unattendedDone_) {
        unattendedDone_ = !unattendedAfterFrame_();
    }
}

void GLWindow::setUnattended(std::function<bool()> afterFrame) {
    unattendedAfterFrame_ = std::move(afterFrame);
    unattendedDone_ = false;
}

void GLWindow::takeScreenshot() {
    std::string error;
    const std::filesystem::path file = saveScreenshot(width, height, kScreenshotFolder, error);
    if (file.empty()) {
        std::fprintf(stderr, "screenshot not saved: %s\n", error.c_str());
        return;
    }
    const std::string name = platform::utf8Of(file);
    std::printf("screenshot saved: %s\n", name.c_str());
    std::fflush(stdout);
    screenshotNotice_ = "Saved " + name;
    screenshotNoticeEnd_ = platform::tickCount() + kScreenshotNoticeMilliseconds;
}

const char* GLWindow::screenshotNotice() const {
    // Unsigned difference: right across a wrap of the tick count.
    const bool showing =
        !screenshotNotice_.empty() &&
        screenshotNoticeEnd_ - platform::tickCount() <= kScreenshotNoticeMilliseconds;
    return showing ? screenshotNotice_.c_str() : nullptr;
}

void GLWindow::ToggleFullScreen() {
    if (window == nullptr || video_ == nullptr) {
        return;
    }
    if (fullScreen) {
        width = framedWidth_;
        height = framedHeight_;
        window->makeFramed(platform::Rect{kFramedX, kFramedY, width, height});
        platform::showCursor(true);
    } else {
        framedWidth_ = width;
        framedHeight_ = height;
        window->makeBorderlessDesktop(video_->desktopBounds());
        platform::showCursor(false);
    }
    // The new size arrives as a Size message.
    fullScreen = !fullScreen;
}

void GLWindow::TogglePause() {
    std::uint32_t now = platform::tickCount();
    running = !running;
    if (running) {
        pausedTicks = pausedTotal(pausedTicks, pauseStartTicks, now);
    } else {
        pauseStartTicks = now;
    }
    // No flying while paused: the pointer is the user's again, and the
    // display may sleep.
    if (window != nullptr) {
        window->setPointerFree(!running);
    }
    if (video_ != nullptr) {
        video_->keepDisplayAwake(running);
    }
}

double GLWindow::GetTime() {
    return clockSeconds(running, platform::tickCount(), startTicks, pausedTicks, pauseStartTicks);
}

void GLWindow::Show() {
    if (window != nullptr) {
        window->show(kFadeInMilliseconds);
    }
}

void GLWindow::CloseWindow() {
    fpsTimer_.reset();
    if (window == nullptr) {
        return;
    }
    if (fullScreen) {
        platform::showCursor(true);
    }
    // A screensaver gives the screen back the moment the user returns.
    window->hide(endsOnInput ? 0 : kFadeOutMilliseconds);
    renderContext.reset(); // a context never outlives its window
    window.reset();
}

void GLWindow::updateCaption() {
    // Unsigned, so the count stays right when frameCount wraps.
    std::uint32_t frames = frameCount - captionFrameCount_;
    captionFrameCount_ = frameCount;
    formatCaption(caption_, sizeof caption_, title, static_cast<double>(frames));
    if (window != nullptr) {
        window->setTitle(caption_);
    }
}

void GLWindow::handleKey(platform::Key key) {
    switch (key) {
    case platform::Key::Pause:
    case platform::Key::Space:
        TogglePause();
        break;
    case platform::Key::Escape:
        platform::postClose();
        break;
    case platform::Key::F4:
        window->restore();
        break;
    case platform::Key::F5:
        ToggleFullScreen();
        break;
    case platform::Key::F6:
        window->maximize();
        break;
    case platform::Key::F7:
        window->minimize();
        break;
    case platform::Key::F12:
        screenshotWanted_ = true;
        // While paused no frame comes; draw the still one again to save it.
        if (!running && renderContext != nullptr) {
            Step();
        }
        break;
    case platform::Key::Other:
        break;
    }
}

bool GLWindow::WindowProc(const platform::Message& message) {
    switch (message.kind) {
    case platform::MessageKind::Size:
        Resize(message.width, message.height);
        platform::postPaint();
        return true;
    case platform::MessageKind::Paint:
        if (renderContext == nullptr) {
            return false;
        }
        Step();
        return true;
    case platform::MessageKind::Frame:
        // A frame the loop cannot draw while the window system runs its own.
        if (running && renderContext != nullptr) {
            Step();
        }
        return true;
    case platform::MessageKind::Close:
        platform::postQuit(0);
        return true;
    case platform::MessageKind::KeyDown:
        if (window == nullptr || unattendedAfterFrame_) {
            return false;
        }
        handleKey(message.key);
        return true;
    case platform::MessageKind::Timer:
        if (message.timerId != kFpsTimerId) {
            return false;
        }
        updateCaption();
        return true;
    default:
        return false;
    }
}

} // namespace trovane
