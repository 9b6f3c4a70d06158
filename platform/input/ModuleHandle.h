// The handle of the running program's own module.
#pragma once

namespace trovane::platform::input {

using ModuleHandle = void*;

// Never null in a running program; the handle needs no release.
ModuleHandle getModuleHandle();

} // namespace trovane::platform::input
