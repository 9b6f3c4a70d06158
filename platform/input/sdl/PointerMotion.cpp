#include "platform/input/sdl/PointerMotion.h"

#include "platform/input/sdl/SdlVideoReference.h"
#include "platform/sdl/PointerPolicy.h"

#include <SDL.h>

namespace trovane::platform::input {

PointerMotion& PointerMotion::instance() {
    static PointerMotion motion;
    return motion;
}

void PointerMotion::subscribe(MotionSum* sum) {
    share_.subscribe(sum);
}

void PointerMotion::unsubscribe(MotionSum* sum) {
    share_.unsubscribe(sum);
    if (share_.empty() && relativeModeOurs_ && SdlVideoReference::videoRunning()) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
    }
    if (share_.empty()) {
        relativeModeOurs_ = false;
    }
}

void PointerMotion::pump() {
    // The window frees the pointer (pause) without a pump; whether it was
    // held when this pump began tells whether it was held all along.
    const bool heldBefore = SDL_GetRelativeMouseMode() == SDL_TRUE;
    SDL_PumpEvents();
    holdPointer();
    int dx = 0;
    int dy = 0;
    SDL_GetRelativeMouseState(&dx, &dy);
    share_.add(dx, dy, heldBefore && SDL_GetRelativeMouseMode() == SDL_TRUE);
}

// Raw relative motion keeps arriving when the pointer would leave the
// window, but holds the pointer inside it with the cursor hidden. SDL grants
// it only to a focused window, and the mice are made before the window
// exists, so it is taken at the first pump that finds a focus; it is let go
// while no window has the focus, or the focused one freed the pointer.
void PointerMotion::holdPointer() {
    SDL_Window* focus = SDL_GetKeyboardFocus();
    const bool wanted =
        focus != nullptr && SDL_GetWindowData(focus, sdl::kPointerFreeData) == nullptr;
    const bool held = SDL_GetRelativeMouseMode() == SDL_TRUE;
    if (wanted && !held) {
        relativeModeOurs_ = SDL_SetRelativeMouseMode(SDL_TRUE) == 0;
    } else if (!wanted && held && relativeModeOurs_) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
    }
}

} // namespace trovane::platform::input
