#include "platform/window/win32/ScreensaverInput.h"

#include <cstdlib>

namespace trovane::platform::win32 {
namespace {

// Pointer reports in this time after the start only set where it rests.
constexpr std::uint32_t kSettleMilliseconds = 500;
// Motion up to this many pixels on each axis is the desk, not the user.
constexpr LONG kSlackPixels = 8;

POINT pointer() {
    const DWORD at = GetMessagePos();
    return POINT{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
}

} // namespace

void ScreensaverInput::arm() {
    armed_ = true;
    armedAt_ = GetTickCount();
    GetCursorPos(&rest_);
}

bool ScreensaverInput::ends(UINT id, WPARAM wParam) {
    if (!armed_) {
        return false;
    }
    switch (id) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        return true;
    case WM_ACTIVATEAPP:
        // Another program came to the front (a switch of user, a dialog):
        // the screen is no longer ours to keep.
        return wParam == FALSE && GetTickCount() - armedAt_ >= kSettleMilliseconds;
    case WM_MOUSEMOVE: {
        const POINT at = pointer();
        if (GetTickCount() - armedAt_ < kSettleMilliseconds) {
            rest_ = at;
            return false;
        }
        return std::abs(at.x - rest_.x) > kSlackPixels || std::abs(at.y - rest_.y) > kSlackPixels;
    }
    default:
        return false;
    }
}

ScreensaverInput& screensaverInput() {
    static ScreensaverInput input;
    return input;
}

} // namespace trovane::platform::win32
