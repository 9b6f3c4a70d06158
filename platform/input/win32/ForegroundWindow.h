// Whether the keyboard and mouse belong to this program right now. The
// devices are shared with every other program and report input wherever it
// goes, so a read counts only while a window of this program is in front.
// The window, which may live in another module than the devices, says so
// through a property on itself: while it holds the pointer (running, in
// front, no move or menu under way) and how often it has taken it back.
#pragma once

#include <windows.h>

#include <cstdint>

namespace trovane::platform::input {

inline constexpr const wchar_t* kPointerHoldProperty = L"trovane.pointer-hold";

// The property's value: the number of times the pointer was taken, starting
// at 1 so the value is never null, shifted left by one, with bit 0 set while
// the pointer is held.
inline HANDLE pointerHoldValue(std::uintptr_t takes, bool held) {
    return reinterpret_cast<HANDLE>((takes << 1) | (held ? 1u : 0u));
}

struct ForegroundWindow {
    bool ours = false;        // a window of this program with the property is in front
    bool pointerHeld = false; // that window holds the pointer
    std::uintptr_t takes = 0; // how often it has taken the pointer
};

ForegroundWindow foregroundWindow();

} // namespace trovane::platform::input
