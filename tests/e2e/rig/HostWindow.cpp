// A plain X window of another program, as a screensaver daemon hands one to
// its hacks: 480x360 at (100, 80), named "Host", with no children covering it.
// Runs until killed.
#include <X11/Xlib.h>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 100, 80, 480, 360, 0,
                            BlackPixel(display, screen), WhitePixel(display, screen));
    XStoreName(display, window, "Host");
    XMapWindow(display, window);
    XFlush(display);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
