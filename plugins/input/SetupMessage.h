// The fixed lines the input objects print when a set-up step fails.
#pragma once

namespace tactrel {

inline constexpr const char* kInputSystemMissing = "DirectInput8 not available.";
inline constexpr const char* kMouseMissing = "Mouse not available.";
inline constexpr const char* kKeyboardMissing = "Keyboard not available.";
inline constexpr const char* kMouseFormatRefused = "Invalid mouse data format.";
inline constexpr const char* kKeyboardFormatRefused = "Invalid keyboard data format.";
inline constexpr const char* kMouseNotAcquired = "Failed to aquire mouse.";
inline constexpr const char* kKeyboardNotAcquired = "Failed to aquire keyboard.";

// To standard output as it stands: no line break is added, so two failures
// in a row share a line.
void printSetupMessage(const char* message);

} // namespace tactrel
