// Whether the keyboard and mouse belong to this program right now. The
// devices are shared with every other program and report input wherever it
// goes, so a read counts only while a window of this program is in front;
// the window says so through its pointer-hold property.
#pragma once

#include <cstdint>

namespace trovane::platform::input {

struct ForegroundWindow {
    bool ours = false;        // a window of this program with the property is in front
    bool pointerHeld = false; // that window holds the pointer
    std::uintptr_t takes = 0; // how often it has taken the pointer
};

ForegroundWindow foregroundWindow();

} // namespace trovane::platform::input
