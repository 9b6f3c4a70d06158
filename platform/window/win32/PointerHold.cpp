#include "platform/window/win32/PointerHold.h"

#include "platform/win32/PointerHoldProperty.h"

namespace trovane::platform::win32 {

void PointerHold::attach(HWND window) {
    detach();
    window_ = window;
    // A new window starts running, as the program's clock does.
    wanted_ = true;
    active_ = GetForegroundWindow() == window;
    update();
}

void PointerHold::detach() {
    if (window_ == nullptr) {
        return;
    }
    if (held_) {
        ClipCursor(nullptr);
        held_ = false;
    }
    RemovePropW(window_, kPointerHoldProperty);
    window_ = nullptr;
}

void PointerHold::setWanted(bool wanted) {
    wanted_ = wanted;
    update();
}

void PointerHold::setActive(bool active) {
    active_ = active;
    update();
}

void PointerHold::setSuspended(bool suspended) {
    suspended_ = suspended;
    update();
}

void PointerHold::clientChanged() {
    if (held_) {
        clip();
    }
}

void PointerHold::update() {
    if (window_ == nullptr) {
        return;
    }
    const bool hold =
        wanted_ && active_ && !suspended_ && IsWindowVisible(window_) && !IsIconic(window_);
    if (hold && !held_) {
        ++takes_;
        clip();
        // Hidden at once if the pointer is over the window; WM_SETCURSOR
        // keeps it hidden from then on.
        SetCursor(nullptr);
    } else if (!hold && held_) {
        ClipCursor(nullptr);
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
    }
    held_ = hold;
    SetPropW(window_, kPointerHoldProperty, pointerHoldValue(takes_, held_));
}

void PointerHold::clip() {
    RECT client{};
    GetClientRect(window_, &client);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    ClipCursor(&client);
}

PointerHold& pointerHold() {
    static PointerHold hold;
    return hold;
}

} // namespace trovane::platform::win32
