#include "platform/window/Window.h"

#include <X11/Xlib.h>

namespace trovane::platform {
namespace {

// Xlib's own handler ends the process on a bad window; here it only means "no".
bool requestFailed = false;
int noteError(Display*, XErrorEvent*) {
    requestFailed = true;
    return 0;
}

} // namespace

std::optional<std::uint64_t> findHostWindow(bool root, std::uint64_t windowId, std::string& error) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        error = "cannot open the X display";
        return std::nullopt;
    }
    std::optional<std::uint64_t> found;
    if (root) {
        found = DefaultRootWindow(display);
    } else {
        requestFailed = false;
        XErrorHandler previous = XSetErrorHandler(noteError);
        XWindowAttributes attributes;
        const Status status =
            XGetWindowAttributes(display, static_cast<::Window>(windowId), &attributes);
        XSync(display, False);
        XSetErrorHandler(previous);
        if (status != 0 && !requestFailed) {
            found = windowId;
        } else {
            error = "there is no X window " + std::to_string(windowId);
        }
    }
    XCloseDisplay(display);
    return found;
}

} // namespace trovane::platform
