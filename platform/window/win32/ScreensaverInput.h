// A full-screen screensaver ends on the user's first sign of life: a key, a
// mouse button or wheel, the pointer moved beyond a few pixels, or another
// program brought to the front. The pointer's first
// reports after the start are taken as where it rests, not as movement (the
// system reports it once the window appears, and the hand may still settle).
#pragma once

#include <windows.h>

#include <cstdint>

namespace trovane::platform::win32 {

class ScreensaverInput {
public:
    // From now on input ends the run.
    void arm();
    // True when the window message is input that ends the run.
    bool ends(UINT id, WPARAM wParam);

private:
    bool armed_ = false;
    std::uint32_t armedAt_ = 0; // tick count
    POINT rest_{};
};

ScreensaverInput& screensaverInput();

} // namespace trovane::platform::win32
