// The program's window: one top-level window with an OpenGL context, a frame
// clock that can be paused, the frame counter behind the frame-rate caption,
// the message handler and the message loop that draws frames whenever no
// message waits. Application derives from it.
#pragma once

#include "app/Caption.h"
#include "platform/window/Messages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace trovane::platform {
class VideoSystem;
class Window;
class GLContext;
class Timer;
} // namespace trovane::platform

namespace trovane {

class GLWindow {
public:
    // Id of the one-second timer whose ticks update the frame-rate caption.
    static constexpr unsigned kFpsTimerId = 0x12345679;
    static constexpr unsigned kFpsTimerPeriod = 1000;
    // Where the framed window's client area is placed on the screen.
    static constexpr int kFramedX = 256;
    static constexpr int kFramedY = 128;

    GLWindow();
    GLWindow(const GLWindow&) = delete;
    GLWindow& operator=(const GLWindow&) = delete;

    // Slots in this order; the destructor follows them.

    // Tears the window down at once: no context current, the context
    // deleted, then CloseWindow. The object itself stays with its owner.
    virtual void Destroy();
    // Opens the window (hidden) and its context. A null title, or a width or
    // height of zero or less, takes the built-in one (usableWindow); a size
    // larger than the desktop is reduced to it. False, after one line on
    // standard error, when no display or no OpenGL context can be had.
    virtual bool CreateGLWindow(bool fullScreen, const char* title, int width, int height,
                                bool doubleBuffered, std::uint8_t colorBits,
                                std::uint8_t depthBits);
    // Keeps the client size and sets the viewport to it.
    virtual void Resize(int width, int height);
    virtual bool Ready();
    // Draws one frame; here it only clears.
    virtual void RenderFrame();
    // Shows the frame just drawn.
    virtual void Present();
    // Creates the window as CreateGLWindow does, sizes and shows it.
    virtual bool Init(const char* title, bool fullScreen, int width, int height);
    virtual ~GLWindow();

    // A window of a screensaver (a daemon's X window, a Windows preview's) to
    // draw into instead of our own (0: our own). Set before Init; the drawing
    // takes the host's size, and the pointer and the screen's sleep stay the
    // host's business.
    std::uint64_t hostWindow = 0;
    // A full-screen screensaver: a key, a button or the pointer moved a few
    // pixels ends the run (with code 0), and the pointer is never held.
    bool endsOnInput = false;

    // Handles every waiting message, then draws a frame while running or
    // sleeps until a message arrives; returns the quit request's code.
    int RunMessageLoop();
    // One frame: RenderFrame, count it, Present when double-buffered.
    void Step();
    void ToggleFullScreen();
    void TogglePause();
    // Seconds on the frame clock; stands still while paused.
    double GetTime();
    // Fades the window in if hidden, raises it and gives it the focus.
    void Show();
    // Stops the caption timer, fades the window out and closes it.
    void CloseWindow();
    // Handles one message as the window procedure would; true if handled.
    bool WindowProc(const platform::Message& message);
    // For a run with nobody at the keys, as the timedemo's: the window keys
    // are left alone, and after each presented frame afterFrame says whether
    // the run goes on; once it says no, RunMessageLoop returns 0. An empty
    // function gives the loop back to the user.
    void setUnattended(std::function<bool()> afterFrame);

    // Opens the window system once; false, after the "no display: ..." line
    // on standard error, when there is no usable display.
    bool openDisplay();
    // The caption set by the last timer tick ("" before the first).
    const char* Caption() const { return caption_; }
    // The path of the screenshot saved in the last few seconds, for the
    // status line; null when there is none.
    const char* screenshotNotice() const;

private:
    // First, so that it closes after the window and context below.
    std::unique_ptr<platform::VideoSystem> video_;

public:
    // The window system has no separate device context or module handle to
    // keep: the window and its GL context stand for them.
    std::unique_ptr<platform::Window> window;
    std::unique_ptr<platform::GLContext> renderContext;
    int width = 0;
    int height = 0;
    bool doubleBuffered = false;
    bool fullScreen = false;
    std::uint8_t colorBits = 0;
    std::uint8_t depthBits = 0;
    const char* title = nullptr; // the caller's text, not a copy
    bool running = false;
    std::uint32_t frameCount = 0;
    std::uint32_t startTicks = 0;
    std::uint32_t pausedTicks = 0;
    std::uint32_t pauseStartTicks = 0;

private:
    bool openWindow();
    bool openContext();
    void updateCaption();
    void handleKey(platform::Key key);
    // Saves the frame just drawn (F12) and reports where, or why not.
    void takeScreenshot();

    std::function<bool()> unattendedAfterFrame_;
    bool unattendedDone_ = false;
    std::unique_ptr<platform::Timer> fpsTimer_;
    std::uint32_t captionFrameCount_ = 0;
    char caption_[kCaptionCapacity] = {};
    // The framed client size to return to when leaving full screen.
    int framedWidth_ = 512;
    int framedHeight_ = 512;
    bool screenshotWanted_ = false;
    std::string screenshotNotice_;
    std::uint32_t screenshotNoticeEnd_ = 0; // tick count
};

} // namespace trovane
