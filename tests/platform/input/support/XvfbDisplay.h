// A virtual X server for one test, on the first free display of :140 to
// :159, with DISPLAY pointing at it and SDL held to its X11 driver. The
// server is stopped (and, past a bounded wait, killed) when the object goes.
#pragma once

#include "tests/platform/input/support/ScopedEnvironment.h"

#include <string>
#include <sys/types.h>

namespace trovane::test {

class XvfbDisplay {
public:
    XvfbDisplay();
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool running() const { return pid_ > 0; }
    // Why no server runs.
    const std::string& error() const { return error_; }

private:
    bool tryStart(int number);
    void stop();

    pid_t pid_ = -1;
    std::string error_;
    ScopedEnvironment environment_;
};

} // namespace trovane::test
