// The key that types a character on the active keyboard layout, in place of
// OemKeyScan.
#pragma once

#include "platform/input/UsKeyScan.h"

#include <cstdint>

namespace trovane::platform::input {

// As usKeyScan, but on the layout the window system has active now, so a
// change of layout while the program runs is followed. A character that no
// key of the layout types unshifted (a capital letter counts as its small
// one, with shift), and every character while there is no keymap (the video
// subsystem is not running), gets usKeyScan's answer. On Windows the
// system's own OemKeyScan answers, kNoKey for a character no key types.
std::uint32_t oemKeyScan(std::uint16_t character);

} // namespace trovane::platform::input
