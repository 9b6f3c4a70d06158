// The window's pointer-hold property, the one way the window and the input
// devices (which may live in another module) share whether this program holds
// the pointer: while the window holds it (running, in front, no move or menu
// under way) and how often it has taken it back. Shared by the Win32 window
// and input backends.
#pragma once

#include <windows.h>

#include <cstdint>

namespace trovane::platform::win32 {

inline constexpr const wchar_t* kPointerHoldProperty = L"trovane.pointer-hold";

// The property's value: the number of times the pointer was taken, starting
// at 1 so the value is never null, shifted left by one, with bit 0 set while
// the pointer is held.
inline HANDLE pointerHoldValue(std::uintptr_t takes, bool held) {
    return reinterpret_cast<HANDLE>((takes << 1) | (held ? 1u : 0u));
}

} // namespace trovane::platform::win32
