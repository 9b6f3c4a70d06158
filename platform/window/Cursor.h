// The mouse cursor over the program's window.
#pragma once

namespace trovane::platform {

void showCursor(bool visible);

} // namespace trovane::platform
