#include "platform/window/Window.h"

#include "platform/sdl/PointerPolicy.h"

#include <SDL.h>

#include <algorithm>

namespace trovane::platform {
namespace {

constexpr unsigned kFadeStepMilliseconds = 20;

SDL_Window* sdlWindow(void* handle) {
    return static_cast<SDL_Window*>(handle);
}

void askPixelFormat(const WindowOptions& options, int depthBits) {
    int channel = options.colorBits >= 24 ? 8 : 5;
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, options.doubleBuffered ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
}

// The depths to try, best first: the one asked for, then what is common.
int nextDepth(int depth) {
    if (depth > 24) {
        return 24;
    }
    if (depth > 16) {
        return 16;
    }
    return 0;
}

bool hosted(void* window) {
    return (SDL_GetWindowFlags(sdlWindow(window)) & SDL_WINDOW_FOREIGN) != 0;
}

} // namespace

// The host's visual must take OpenGL; SDL keeps the window as it is and only
// draws into it, so its size and place stay the host's.
std::unique_ptr<Window> Window::createInHost(const WindowOptions& options, std::string& error) {
    SDL_SetHint(SDL_HINT_VIDEO_FOREIGN_WINDOW_OPENGL, "1");
    askPixelFormat(options, std::max(options.depthBits, 0));
    SDL_Window* window = SDL_CreateWindowFrom(reinterpret_cast<void*>(options.hostWindow));
    if (window == nullptr) {
        error = std::string("cannot draw into the X window: ") + SDL_GetError();
        return nullptr;
    }
    int depth = 0;
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depth);
    return std::unique_ptr<Window>(new Window(window, depth));
}

std::unique_ptr<Window> Window::create(const WindowOptions& options, std::string& error) {
    if (options.hostWindow != 0) {
        return createInHost(options, error);
    }
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
    if (options.borderless) {
        flags |= SDL_WINDOW_BORDERLESS;
    }
    const Rect& r = options.client;
    // Down to no depth buffer at all, as the closest format would be.
    for (int depth = std::max(options.depthBits, 0);; depth = nextDepth(depth)) {
        askPixelFormat(options, depth);
        SDL_Window* window = SDL_CreateWindow(options.title, r.x, r.y, r.width, r.height, flags);
        if (window != nullptr) {
            return std::unique_ptr<Window>(new Window(window, depth));
        }
        error = SDL_GetError();
        if (depth == 0) {
            break;
        }
    }
    error = "cannot create an OpenGL window: " + error;
    return nullptr;
}

Window::~Window() {
    SDL_DestroyWindow(sdlWindow(window_));
}

void Window::setTitle(const char* text) {
    SDL_SetWindowTitle(sdlWindow(window_), text);
}

bool Window::visible() const {
    return (SDL_GetWindowFlags(sdlWindow(window_)) & SDL_WINDOW_SHOWN) != 0;
}

void Window::fade(float from, float to, unsigned milliseconds) {
    unsigned steps = milliseconds / kFadeStepMilliseconds;
    for (unsigned i = 1; i <= steps; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(steps);
        SDL_SetWindowOpacity(sdlWindow(window_), from + (to - from) * t);
        SDL_Delay(kFadeStepMilliseconds);
    }
    SDL_SetWindowOpacity(sdlWindow(window_), to);
}

void Window::show(unsigned fadeMilliseconds) {
    if (hosted(window_)) {
        return; // the host shows it; its focus stays where it is
    }
    if (!visible()) {
        bool fades = fadeMilliseconds > 0 && SDL_SetWindowOpacity(sdlWindow(window_), 0.0f) == 0;
        SDL_ShowWindow(sdlWindow(window_));
        if (fades) {
            fade(0.0f, 1.0f, fadeMilliseconds);
        }
    }
    SDL_RaiseWindow(sdlWindow(window_));
    SDL_SetWindowInputFocus(sdlWindow(window_));
}

void Window::hide(unsigned fadeMilliseconds) {
    if (!visible() || hosted(window_)) {
        return;
    }
    if (fadeMilliseconds > 0 && SDL_SetWindowOpacity(sdlWindow(window_), 1.0f) == 0) {
        fade(1.0f, 0.0f, fadeMilliseconds);
    }
    SDL_HideWindow(sdlWindow(window_));
    SDL_SetWindowOpacity(sdlWindow(window_), 1.0f);
}

void Window::makeFramed(const Rect& r) {
    SDL_SetWindowBordered(sdlWindow(window_), SDL_TRUE);
    SDL_RestoreWindow(sdlWindow(window_));
    SDL_SetWindowSize(sdlWindow(window_), std::max(r.width, 1), std::max(r.height, 1));
    SDL_SetWindowPosition(sdlWindow(window_), r.x, r.y);
    SDL_ShowWindow(sdlWindow(window_));
}

void Window::makeBorderlessDesktop(const Rect& desktop) {
    SDL_SetWindowBordered(sdlWindow(window_), SDL_FALSE);
    SDL_SetWindowPosition(sdlWindow(window_), desktop.x, desktop.y);
    SDL_SetWindowSize(sdlWindow(window_), desktop.width, desktop.height);
}

void Window::setPointerFree(bool free) {
    SDL_SetWindowData(sdlWindow(window_), sdl::kPointerFreeData, free ? this : nullptr);
    if (free) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
    }
}

void Window::restore() {
    SDL_RestoreWindow(sdlWindow(window_));
}
void Window::maximize() {
    SDL_MaximizeWindow(sdlWindow(window_));
}
void Window::minimize() {
    SDL_MinimizeWindow(sdlWindow(window_));
}

Rect Window::clientRect() const {
    Rect r;
    SDL_GetWindowPosition(sdlWindow(window_), &r.x, &r.y);
    SDL_GetWindowSize(sdlWindow(window_), &r.width, &r.height);
    return r;
}

} // namespace trovane::platform
