// How a window tells the mice, which may live in another module, to leave
// the pointer alone (shared by the SDL window and input backends): the window carries SDL window
// data under this name (any non-null value) while its program wants no raw motion, as when paused.
#pragma once

namespace trovane::platform::sdl {

inline constexpr const char* kPointerFreeData = "trovane.pointer-free";

} // namespace trovane::platform::sdl
