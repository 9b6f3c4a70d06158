// Programs started by tests: in their own process group, with bounded waits.
// Whatever is still running of the group is killed and reaped when the
// object goes, and the program dies with the test even when the test is killed.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace trovane::test {

using Milliseconds = std::chrono::milliseconds;

struct LaunchOptions {
    std::vector<std::string> argv; // argv[0] is looked up in PATH when it has no '/'
    std::filesystem::path workingDirectory;
    std::map<std::string, std::string> environment; // set on top of ours
    std::vector<std::string> unsetEnvironment;
    std::filesystem::path stdoutFile; // empty: /dev/null
    std::filesystem::path stderrFile; // empty: /dev/null
    int inheritedDescriptor = -1;     // kept open across exec (e.g. Xvfb's -displayfd)
};

class ChildProcess {
public:
    // Throws std::runtime_error when the process cannot be started.
    explicit ChildProcess(const LaunchOptions& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }

    // The exit status once the process has ended within timeout: the exit
    // code, or 128 + signal number when a signal ended it.
    std::optional<int> waitExit(Milliseconds timeout);
    bool running();
    // Ended by returning or exit(), not by a signal.
    bool exited() const { return exited_; }

    void signal(int number);
    // Kills the whole group and reaps the process (bounded).
    void kill();

private:
    bool reap(bool block);

    pid_t pid_ = -1;
    std::optional<int> status_;
    bool exited_ = false;
};

struct ProcessResult {
    bool timedOut = false; // killed at the time limit
    bool exited = false;   // ended by returning or exit(), not by a signal
    int exitCode = -1;     // 128 + signal number when a signal ended it
    std::string out;
    std::string err;

    bool succeeded() const { return !timedOut && exited && exitCode == 0; }
};

// Runs a program to its end or the time limit, capturing both output streams
// (options' output files are ignored).
ProcessResult runProcess(LaunchOptions options, Milliseconds limit);
ProcessResult runProcess(const std::vector<std::string>& argv, Milliseconds limit);

void sleepFor(Milliseconds duration);

} // namespace trovane::test
