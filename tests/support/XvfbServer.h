// A virtual X server for tests on a free display of :100 to :159, 1024x768
// with 24-bit colour, that never resets when its last client leaves. Stopped
// (and, past a bounded wait, killed and its files removed) when the object goes.
#pragma once

#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedEnvironment.h"

#include <memory>
#include <string>

namespace trovane::test {

class XvfbServer {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    // Throws std::runtime_error when no display could be started.
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    int number() const { return number_; }
    // ":N", for DISPLAY.
    std::string display() const { return std::string(":").append(std::to_string(number_)); }

    // Points DISPLAY at this server and holds SDL to its X11 driver, for
    // this process, until the object goes.
    void exportDisplay();

private:
    bool tryStart(int number);
    void removeFiles() const;

    int number_ = -1;
    int readyFd_ = -1;
    std::unique_ptr<ChildProcess> server_;
    ScopedEnvironment environment_;
};

} // namespace trovane::test
