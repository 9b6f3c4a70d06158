#include "platform/window/Timer.h"

#include "platform/window/win32/WindowClass.h"

namespace trovane::platform {

// A window timer: its ticks arrive as WM_TIMER through the window procedure.
Timer::Timer(unsigned id, unsigned periodMilliseconds) : id_(id), period_(periodMilliseconds) {
    HWND window = win32::currentWindow().window;
    if (window != nullptr && SetTimer(window, id_, period_, nullptr) != 0) {
        handle_ = 1;
    }
}

Timer::~Timer() {
    HWND window = win32::currentWindow().window;
    if (handle_ != 0 && window != nullptr) {
        KillTimer(window, id_);
    }
}

} // namespace trovane::platform
