#include "platform/window/Timer.h"

#include "platform/window/win32/WindowClass.h"

namespace trovane::platform {

// A window timer: its ticks arrive as WM_TIMER through the window procedure.
Timer::Timer(unsigned id, unsigned periodMilliseconds) : id_(id), period_(periodMilliseconds) {
    HWND window = win32::currentWindow().window;
    if (window != nullptr && SetTimer(window, id_, period_, nullptr) != 0) {
        handle_ = reinterpret_cast<std::uintptr_t>(window);
    }
}

Timer::~Timer() {
    // A window already destroyed took its timers with it.
    HWND window = reinterpret_cast<HWND>(handle_);
    if (window != nullptr && IsWindow(window)) {
        KillTimer(window, id_);
    }
}

} // namespace trovane::platform
