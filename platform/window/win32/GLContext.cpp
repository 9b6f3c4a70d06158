#include "platform/window/GLContext.h"

#include "platform/window/Window.h"
#include "platform/window/win32/WindowClass.h"

namespace trovane::platform {
namespace {

using SwapIntervalProc = BOOL(WINAPI*)(int);

HDC deviceContext() {
    return win32::currentWindow().deviceContext;
}

} // namespace

std::unique_ptr<GLContext> GLContext::create(Window& window, std::string& error) {
    HGLRC context = wglCreateContext(deviceContext());
    if (context == nullptr) {
        error = "cannot create an OpenGL context: " + win32::lastErrorText();
        return nullptr;
    }
    if (!wglMakeCurrent(deviceContext(), context)) {
        error = "cannot make the OpenGL context current: " + win32::lastErrorText();
        wglDeleteContext(context);
        return nullptr;
    }
    return std::unique_ptr<GLContext>(new GLContext(window, context));
}

GLContext::~GLContext() {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(static_cast<HGLRC>(context_));
}

bool GLContext::setSwapInterval(int interval) {
    // An extension: looked up, and left alone where the driver lacks it.
    // Through void(*)() so the compiler accepts the change of signature.
    auto swapInterval = reinterpret_cast<SwapIntervalProc>(
        reinterpret_cast<void (*)()>(wglGetProcAddress("wglSwapIntervalEXT")));
    return swapInterval != nullptr && swapInterval(interval) != FALSE;
}

void GLContext::swapBuffers() {
    SwapBuffers(deviceContext());
}

} // namespace trovane::platform
