// An input system for tests: each step succeeds or fails as the script says,
// reads hand out queued states, and every call is written to a log.
#pragma once

#include "InputSystemFactory.h"

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace tactrel::test {

struct InputScript {
    bool createFails = false;
    bool deviceFails = false;
    bool formatFails = false;
    bool acquireFails = false;
    int readFailures = 0; // the next reads that fail, even while acquired

    // States handed out by successful reads, oldest first; all zero when none
    // is queued. Each must have the size of the device's format.
    std::deque<std::vector<std::uint8_t>> states;

    // "create", "device", "format", "acquire", "read", "unacquire",
    // "release device", "release system"; failed steps end in " failed".
    std::vector<std::string> calls;
    input::ModuleHandle module = nullptr; // as given to the factory

    void queueMouse(std::int32_t dx, std::int32_t dy, std::int32_t dz, bool left = false,
                    bool right = false, bool middle = false);
    void queueKeys(std::initializer_list<std::uint8_t> down);
};

// A factory whose systems and devices follow script.
InputSystemFactory scriptedFactory(std::shared_ptr<InputScript> script);

} // namespace tactrel::test
