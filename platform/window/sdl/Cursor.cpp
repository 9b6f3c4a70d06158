#include "platform/window/Cursor.h"

#include <SDL.h>

namespace trovane::platform {

void showCursor(bool visible) {
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

} // namespace trovane::platform
