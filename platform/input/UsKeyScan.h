// The key that types a character on a US keyboard: what oemKeyScan answers
// when the window system offers no keymap.
#pragma once

#include <cstdint>

namespace trovane::platform::input {

inline constexpr std::uint32_t kNoKey = 0xFFFFFFFF;

// Shift state bits in the upper half of the result.
inline constexpr std::uint32_t kShiftState = 0x10000;
inline constexpr std::uint32_t kControlState = 0x20000;

// Low byte: the scan code (a key code of the keyboard table); upper half: the
// shift state needed. kNoKey when no single key types the character (codes
// from 0x7F up, and control characters without a key).
std::uint32_t usKeyScan(std::uint16_t character);

} // namespace trovane::platform::input
