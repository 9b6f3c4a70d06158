// Translation of the window system's key state into the keyboard table.
#pragma once

#include <cstdint>

namespace trovane::platform::input {

// The key code (see KeyCode.h) of an SDL scancode, or 0 when the key has none.
std::uint8_t keyCodeForScancode(int scancode);

// Builds the 256-byte key table from SDL's key state (count entries indexed
// by scancode, non-zero when down): kDownBit for every key down, 0 otherwise.
void fillKeyTable(const std::uint8_t* sdlState, int count, std::uint8_t* table);

} // namespace trovane::platform::input
