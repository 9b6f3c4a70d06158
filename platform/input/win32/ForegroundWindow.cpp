#include "platform/input/win32/ForegroundWindow.h"

#include "platform/win32/PointerHoldProperty.h"

#include <windows.h>

namespace trovane::platform::input {

ForegroundWindow foregroundWindow() {
    HWND window = GetForegroundWindow();
    if (window == nullptr) {
        return {};
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) {
        return {};
    }
    const auto value =
        reinterpret_cast<std::uintptr_t>(GetPropW(window, win32::kPointerHoldProperty));
    if (value == 0) {
        return {};
    }
    return ForegroundWindow{true, (value & 1u) != 0, value >> 1};
}

} // namespace trovane::platform::input
