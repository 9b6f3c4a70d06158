// A program started in its own process group, with bounded waits. Whatever
// is still running of the group is killed and reaped when the object goes.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

using Milliseconds = std::chrono::milliseconds;

struct LaunchOptions {
    std::vector<std::string> argv; // argv[0] is looked up in PATH when it has no '/'
    std::filesystem::path workingDirectory;
    std::map<std::string, std::string> environment; // set on top of ours
    std::vector<std::string> unsetEnvironment;
    std::filesystem::path stdoutFile; // empty: /dev/null
    std::filesystem::path stderrFile; // empty: /dev/null
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

    void signal(int number);
    // Kills the whole group and reaps the process (bounded).
    void kill();

private:
    bool reap(bool block);

    pid_t pid_ = -1;
    std::optional<int> status_;
};

struct CommandResult {
    bool finished = false; // false: killed at the time limit
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a command to its end or its time limit, capturing its output.
CommandResult runCommand(const std::vector<std::string>& argv, Milliseconds timeout,
                         const std::map<std::string, std::string>& environment = {});

void sleepFor(Milliseconds duration);

} // namespace e2e
