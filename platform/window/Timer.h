// A periodic timer whose ticks arrive as Timer messages on the thread that
// takes messages, like a window timer. Stops when destroyed.
#pragma once

#include <cstdint>

namespace trovane::platform {

class Timer {
public:
    // Needs an open VideoSystem. running() is false when the timer could
    // not be started.
    Timer(unsigned id, unsigned periodMilliseconds);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool running() const { return handle_ != 0; }
    unsigned id() const { return id_; }

private:
    unsigned id_;
    unsigned period_;
    // The system's handle: SDL's timer id, or the window the timer was set
    // on (a window timer is stopped through its own window, whichever
    // window is current by then).
    std::uintptr_t handle_ = 0;
};

} // namespace trovane::platform
