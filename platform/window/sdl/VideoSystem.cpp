#include "platform/window/VideoSystem.h"

#include "platform/window/sdl/MessageTypes.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace trovane::platform {
namespace {

constexpr Uint32 kSubsystems = SDL_INIT_VIDEO | SDL_INIT_TIMER;

// Drivers that show a window to a user. SDL would otherwise fall back to its
// off-screen driver without a display and run with nothing visible. Wayland
// is tried only where a compositor is named, so that a machine without any
// display gets our one line and nothing from the Wayland library.
const char* visibleDrivers() {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return wayland != nullptr && wayland[0] != '\0' ? "x11,wayland" : "x11";
}

bool isInvisible(const char* driver) {
    return driver != nullptr &&
           (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

bool driverRequested() {
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    return requested != nullptr && requested[0] != '\0';
}

std::string noDisplay(const char* reason) {
    const char* display = std::getenv("DISPLAY");
    std::string line = "no display: ";
    line += reason;
    line += " (DISPLAY=";
    line += display != nullptr ? display : "unset";
    line += "); run under a virtual X server, e.g. xvfb-run -a build/bin/Trovane";
    return line;
}

} // namespace

std::unique_ptr<VideoSystem> VideoSystem::open(std::string& error) {
    if (!driverRequested()) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, visibleDrivers());
    }
    // Closing the window is handled as a message of its own; a second quit
    // event from SDL would only repeat it.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_Init(kSubsystems) != 0) {
        error = noDisplay(SDL_GetError());
        SDL_QuitSubSystem(kSubsystems); // whatever part did start
        return nullptr;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (isInvisible(driver) && !driverRequested()) {
        error = noDisplay("only an invisible video driver is available");
        SDL_QuitSubSystem(kSubsystems);
        return nullptr;
    }
    if (!registerMessageTypes()) {
        error = std::string("cannot register window messages: ") + SDL_GetError();
        SDL_QuitSubSystem(kSubsystems);
        return nullptr;
    }
    return std::unique_ptr<VideoSystem>(new VideoSystem());
}

VideoSystem::~VideoSystem() {
    // Others (the input devices) may still hold SDL's video: SDL counts the
    // holders, and it ends as a whole only when none is left.
    SDL_QuitSubSystem(kSubsystems);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
        SDL_Quit();
    }
}

const char* VideoSystem::driverName() const {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr ? driver : "";
}

Rect VideoSystem::desktopBounds() const {
    SDL_Rect bounds{0, 0, 0, 0};
    if (SDL_GetDisplayBounds(0, &bounds) != 0) {
        return Rect{0, 0, 0, 0};
    }
    return Rect{bounds.x, bounds.y, bounds.w, bounds.h};
}

void VideoSystem::keepDisplayAwake(bool awake) {
    if (awake) {
        SDL_DisableScreenSaver();
    } else {
        SDL_EnableScreenSaver();
    }
}

} // namespace trovane::platform
