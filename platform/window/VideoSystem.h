// The window system for the whole process: opened once before any window and
// closed after the last one. Only one may be open at a time.
#pragma once

#include <memory>
#include <string>

namespace trovane::platform {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class VideoSystem {
public:
    // Null when no visible display can be used; error then holds one line
    // starting with "no display: " that says how to run under a virtual X
    // server. An invisible off-screen driver is used only when the
    // SDL_VIDEODRIVER environment variable names it.
    static std::unique_ptr<VideoSystem> open(std::string& error);

    ~VideoSystem();
    VideoSystem(const VideoSystem&) = delete;
    VideoSystem& operator=(const VideoSystem&) = delete;

    // Name of the driver in use, e.g. "x11".
    const char* driverName() const;

    // The primary display's desktop area in pixels.
    Rect desktopBounds() const;

    // While awake, neither the screen saver nor display power-off starts
    // (the flight is watched without touching anything); off again when
    // paused and when the system closes.
    void keepDisplayAwake(bool awake);

private:
    VideoSystem() = default;
};

} // namespace trovane::platform
