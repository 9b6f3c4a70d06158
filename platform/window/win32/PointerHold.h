// Holding the pointer for the window while it flies: hidden over the client
// area and kept inside it (ClipCursor). Held only while the program wants it
// (running, not paused), the window is in front, and no move, size or menu
// loop runs; let go at once otherwise. The devices learn the state through
// the window's property (see platform/win32/PointerHoldProperty.h), so
// motion gathered while the pointer was free is never applied.
#pragma once

#include <windows.h>

#include <cstdint>

namespace trovane::platform::win32 {

class PointerHold {
public:
    void attach(HWND window);
    // Lets go and removes the property; before the window is destroyed.
    void detach();

    void setWanted(bool wanted);
    void setActive(bool active);
    // A move, size or menu loop: the pointer must reach the frame and menus.
    void setSuspended(bool suspended);
    // The client area moved or changed size: the clip follows it.
    void clientChanged();

    bool held() const { return held_; }

private:
    void update();
    void clip();

    HWND window_ = nullptr;
    bool wanted_ = true;
    bool active_ = false;
    bool suspended_ = false;
    bool held_ = false;
    std::uintptr_t takes_ = 1;
};

PointerHold& pointerHold();

} // namespace trovane::platform::win32
