#include "platform/window/Cursor.h"

#include <windows.h>

namespace trovane::platform {

void showCursor(bool visible) {
    // The system counts shows and hides; ours is a switch, so only a change
    // of state reaches it.
    static bool hidden = false;
    if (visible == hidden) {
        ShowCursor(visible ? TRUE : FALSE);
        hidden = !visible;
    }
}

} // namespace trovane::platform
