#include "platform/window/VideoSystem.h"

#include "platform/window/win32/WindowClass.h"

namespace trovane::platform {
namespace {

// Ctrl+C, Ctrl+Break and closing the console end the program as Escape
// does. The system calls this on a thread of its own.
BOOL WINAPI onConsoleControl(DWORD event) {
    postClose();
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        return TRUE;
    }
    // Closing the console, logging off or shutting down: the process ends as
    // soon as this returns, so wait while the program ends in order; its exit
    // ends this thread too. The system allows a few seconds.
    Sleep(4500);
    return TRUE;
}

} // namespace

std::unique_ptr<VideoSystem> VideoSystem::open(std::string& error) {
    // The desktop is always there on Windows; the window itself may still
    // fail, and says so when it is made.
    (void)error;
    win32::setMessageThread(GetCurrentThreadId());
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
    return std::unique_ptr<VideoSystem>(new VideoSystem());
}

VideoSystem::~VideoSystem() {
    SetConsoleCtrlHandler(onConsoleControl, FALSE);
    keepDisplayAwake(false);
    win32::unregisterWindowClass();
}

const char* VideoSystem::driverName() const {
    return "windows";
}

Rect VideoSystem::desktopBounds() const {
    return Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void VideoSystem::keepDisplayAwake(bool awake) {
    // Beside the swallowed SC_SCREENSAVE and SC_MONITORPOWER, which reach
    // only a window in front: this holds whichever window is.
    SetThreadExecutionState(awake ? ES_CONTINUOUS | ES_DISPLAY_REQUIRED : ES_CONTINUOUS);
}

} // namespace trovane::platform
