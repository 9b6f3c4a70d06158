#include "platform/window/VideoSystem.h"

#include "platform/window/win32/WindowClass.h"

namespace trovane::platform {

std::unique_ptr<VideoSystem> VideoSystem::open(std::string& error) {
    // The desktop is always there on Windows; the window itself may still
    // fail, and says so when it is made.
    (void)error;
    win32::setMessageThread(GetCurrentThreadId());
    return std::unique_ptr<VideoSystem>(new VideoSystem());
}

VideoSystem::~VideoSystem() {
    win32::unregisterWindowClass();
}

const char* VideoSystem::driverName() const {
    return "windows";
}

Rect VideoSystem::desktopBounds() const {
    return Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

} // namespace trovane::platform
