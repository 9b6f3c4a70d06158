// An OpenGL compatibility context for one Window, current on the thread that
// made it until it is destroyed.
#pragma once

#include <memory>
#include <string>

namespace trovane::platform {

class Window;

class GLContext {
public:
    // Null with error set when the window system offers no context.
    static std::unique_ptr<GLContext> create(Window& window, std::string& error);

    // Makes no context current, then deletes this one.
    ~GLContext();
    GLContext(const GLContext&) = delete;
    GLContext& operator=(const GLContext&) = delete;

    // Asks that swaps wait for `interval` vertical retraces (0: never wait).
    // False when refused, which is normal where there is no retrace.
    bool setSwapInterval(int interval);

    void swapBuffers();

private:
    GLContext(Window& window, void* context) : window_(window), context_(context) {}

    Window& window_;
    void* context_;
};

} // namespace trovane::platform
