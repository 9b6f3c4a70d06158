// One top-level window that OpenGL can draw into. The pixel format (double
// buffer, colour and depth bits) is fixed when the window is made.
#pragma once

#include "platform/window/VideoSystem.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace trovane::platform {

struct WindowOptions {
    const char* title = "";
    Rect client;             // position and size of the client area
    bool borderless = false; // full screen: no frame, placed by the caller
    bool doubleBuffered = true;
    int colorBits = 32;
    int depthBits = 32; // lower depths are tried when this one is not offered
    // A window of another program to draw into (a screensaver daemon's), 0 for
    // a window of our own. It keeps its size and place; the caller checked it.
    std::uint64_t hostWindow = 0;
    // A full-screen screensaver (Windows): a key, a button or the pointer
    // moved a few pixels closes the window, as a Close message.
    bool endsOnInput = false;
};

// The window a screensaver daemon hands over: the root window when root is
// set, else windowId. Empty with error set when there is no such window.
std::optional<std::uint64_t> findHostWindow(bool root, std::uint64_t windowId, std::string& error);

class Window {
public:
    // Made hidden. Null with error set when no pixel format fits.
    static std::unique_ptr<Window> create(const WindowOptions& options, std::string& error);

    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void setTitle(const char* text);

    // Shows the window, fading it in over fadeMilliseconds where the window
    // system supports opacity (at once otherwise), then raises it and gives
    // it the keyboard focus. An already visible window is only raised.
    void show(unsigned fadeMilliseconds);
    // Fades out like show fades in, then hides the window.
    void hide(unsigned fadeMilliseconds);
    bool visible() const;

    // A frame with a title bar, client area at r.
    void makeFramed(const Rect& r);
    // No frame, covering the desktop; the display mode stays as it is.
    void makeBorderlessDesktop(const Rect& desktop);

    // While free, the mice leave the pointer alone: no raw relative motion,
    // the cursor shown (unless hidden, as in full screen) and free to leave
    // the window. Freeing lets the pointer go at once; the mice take it back
    // at their next read once it is no longer free.
    void setPointerFree(bool free);

    void restore();
    void maximize();
    void minimize();

    Rect clientRect() const;
    int depthBits() const { return depthBits_; }

    // The window system's own handle of the window, for its backend.
    void* nativeHandle() const { return window_; }

private:
    Window(void* window, int depthBits) : window_(window), depthBits_(depthBits) {}
    void fade(float from, float to, unsigned milliseconds);
    static std::unique_ptr<Window> createInHost(const WindowOptions& options, std::string& error);

    void* window_;
    int depthBits_;
};

} // namespace trovane::platform
