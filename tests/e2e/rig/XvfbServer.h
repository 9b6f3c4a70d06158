// A virtual X server on a free display of :100 to :139, 1024x768 with 24-bit
// colour, that never resets when its last client leaves. Stopped and its
// files removed when the object goes.
#pragma once

#include "ChildProcess.h"

#include <memory>
#include <string>

namespace e2e {

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
    std::string display() const { return ":" + std::to_string(number_); }

private:
    bool tryStart(int number);
    void removeFiles() const;

    int number_ = -1;
    std::unique_ptr<ChildProcess> server_;
};

} // namespace e2e
