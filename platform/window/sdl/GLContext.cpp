#include "platform/window/GLContext.h"

#include "platform/window/Window.h"

#include <SDL.h>

namespace trovane::platform {
namespace {

SDL_Window* sdlWindow(const Window& window) {
    return static_cast<SDL_Window*>(window.nativeHandle());
}

} // namespace

std::unique_ptr<GLContext> GLContext::create(Window& window, std::string& error) {
    SDL_GLContext context = SDL_GL_CreateContext(sdlWindow(window));
    if (context == nullptr) {
        error = std::string("cannot create an OpenGL context: ") + SDL_GetError();
        return nullptr;
    }
    if (SDL_GL_MakeCurrent(sdlWindow(window), context) != 0) {
        error = std::string("cannot make the OpenGL context current: ") + SDL_GetError();
        SDL_GL_DeleteContext(context);
        return nullptr;
    }
    return std::unique_ptr<GLContext>(new GLContext(window, context));
}

GLContext::~GLContext() {
    SDL_GL_MakeCurrent(sdlWindow(window_), nullptr);
    SDL_GL_DeleteContext(context_);
}

bool GLContext::setSwapInterval(int interval) {
    return SDL_GL_SetSwapInterval(interval) == 0;
}

void GLContext::swapBuffers() {
    SDL_GL_SwapWindow(sdlWindow(window_));
}

} // namespace trovane::platform
