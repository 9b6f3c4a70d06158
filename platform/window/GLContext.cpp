#include "platform/window/GLContext.h"

#include "platform/window/Window.h"

#include <SDL.h>

namespace trovane::platform {

std::unique_ptr<GLContext> GLContext::create(Window& window, std::string& error) {
    SDL_GLContext context = SDL_GL_CreateContext(window.handle());
    if (context == nullptr) {
        error = std::string("cannot create an OpenGL context: ") + SDL_GetError();
        return nullptr;
    }
    if (SDL_GL_MakeCurrent(window.handle(), context) != 0) {
        error = std::string("cannot make the OpenGL context current: ") + SDL_GetError();
        SDL_GL_DeleteContext(context);
        return nullptr;
    }
    return std::unique_ptr<GLContext>(new GLContext(window, context));
}

GLContext::~GLContext() {
    SDL_GL_MakeCurrent(window_.handle(), nullptr);
    SDL_GL_DeleteContext(context_);
}

bool GLContext::setSwapInterval(int interval) {
    return SDL_GL_SetSwapInterval(interval) == 0;
}

void GLContext::swapBuffers() {
    SDL_GL_SwapWindow(window_.handle());
}

} // namespace trovane::platform
