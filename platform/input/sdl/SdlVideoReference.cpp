#include "platform/input/sdl/SdlVideoReference.h"

#include <SDL.h>

namespace trovane::platform::input {
namespace {

constexpr Uint32 kSubsystems = SDL_INIT_VIDEO | SDL_INIT_EVENTS;

} // namespace

// SDL counts the initialisations of each subsystem, so this reference and
// the window's own coexist in either order.
SdlVideoReference::SdlVideoReference() : held_(SDL_InitSubSystem(kSubsystems) == 0) {}

SdlVideoReference::~SdlVideoReference() {
    if (held_) {
        SDL_QuitSubSystem(kSubsystems);
    }
}

bool SdlVideoReference::videoRunning() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

} // namespace trovane::platform::input
