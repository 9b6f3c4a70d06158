// Runs a program to its end, or kills it at a time limit.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace trovane::test {

struct ProcessOutcome {
    bool timedOut = false; // killed at the limit
    bool exited = false;   // ended by returning or exit(), not by a signal
    int exitCode = -1;
    std::string out; // standard output
    std::string err; // standard error
};

// This process's environment as "NAME=value" entries.
std::vector<std::string> currentEnvironment();

// Starts program with args in workFolder and the given environment, collects
// both output streams, and waits for it at most limit; a program still running
// then is killed and reaped.
ProcessOutcome runProcess(const std::filesystem::path& program,
                          const std::vector<std::string>& args,
                          const std::filesystem::path& workFolder, std::chrono::milliseconds limit,
                          const std::vector<std::string>& environment = currentEnvironment());

} // namespace trovane::test
