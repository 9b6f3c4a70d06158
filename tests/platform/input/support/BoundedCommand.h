// Runs an outside tool (xdotool) and waits a bounded time for it.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace trovane::test {

// The exit code, or -1 when it could not start, was killed by a signal, or
// ran past limit (it is then killed). Output goes to /dev/null.
int runCommand(const std::vector<std::string>& argv,
               std::chrono::milliseconds limit = std::chrono::seconds(5));

} // namespace trovane::test
