#pragma once

#include <string>
#include <vector>

namespace trovane::testing {

struct ProcessResult {
    bool timedOut = false;
    int exitCode = -1; // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs program with arguments, capturing both output streams. A process still running after
// timeoutSeconds is killed, reaped and reported as timed out.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         int timeoutSeconds);

} // namespace trovane::testing
