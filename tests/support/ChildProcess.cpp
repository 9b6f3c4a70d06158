#include "tests/support/ChildProcess.h"

#include "tests/support/TempDir.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace trovane::test {
namespace {

constexpr Milliseconds kPollInterval{10};
constexpr Milliseconds kReapLimit{5000};

void redirect(int target, const std::filesystem::path& file) {
    const char* name = file.empty() ? "/dev/null" : file.c_str();
    int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        dup2(fd, target);
        close(fd);
    }
}

// Runs in the forked child: only async-signal-safe work before exec, apart
// from setenv, which is safe here because the test process is single-threaded
// while it forks.
[[noreturn]] void execChild(const LaunchOptions& options, const std::vector<char*>& argv,
                            pid_t parent) {
    setpgid(0, 0);
    // Ends with the test, even when the test itself is killed at its time
    // limit and cannot clean up.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) {
        _exit(125);
    }
    if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0) {
        _exit(126);
    }
    int devNull = open("/dev/null", O_RDONLY);
    if (devNull >= 0) {
        dup2(devNull, STDIN_FILENO);
        close(devNull);
    }
    redirect(STDOUT_FILENO, options.stdoutFile);
    redirect(STDERR_FILENO, options.stderrFile);
    if (options.inheritedDescriptor >= 0) {
        fcntl(options.inheritedDescriptor, F_SETFD, 0);
    }
    for (const auto& name : options.unsetEnvironment) {
        unsetenv(name.c_str());
    }
    for (const auto& [name, value] : options.environment) {
        setenv(name.c_str(), value.c_str(), 1);
    }
    execvp(argv[0], argv.data());
    _exit(127);
}

int decode(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return -1;
}

} // namespace

void sleepFor(Milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

ChildProcess::ChildProcess(const LaunchOptions& options) {
    if (options.argv.empty()) {
        throw std::runtime_error("no program to start");
    }
    std::vector<char*> argv;
    for (const auto& arg : options.argv) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t parent = getpid();
    pid_ = fork();
    if (pid_ < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid_ == 0) {
        execChild(options, argv, parent);
    }
    setpgid(pid_, pid_); // also here, so the group exists before we signal it
}

ChildProcess::~ChildProcess() {
    kill();
}

bool ChildProcess::reap(bool block) {
    if (status_) {
        return true;
    }
    int status = 0;
    pid_t result = waitpid(pid_, &status, block ? 0 : WNOHANG);
    if (result == pid_) {
        status_ = decode(status);
        exited_ = WIFEXITED(status);
        return true;
    }
    if (result < 0 && errno == ECHILD) {
        status_ = -1;
        return true;
    }
    return false;
}

std::optional<int> ChildProcess::waitExit(Milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!reap(false)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        sleepFor(kPollInterval);
    }
    return status_;
}

bool ChildProcess::running() {
    return !reap(false);
}

void ChildProcess::signal(int number) {
    if (!status_) {
        ::kill(-pid_, number);
    }
}

void ChildProcess::kill() {
    // Only while the leader is unreaped: until then its id cannot be reused,
    // so the signal reaches nothing but our own group.
    if (pid_ <= 0 || reap(false)) {
        return;
    }
    ::kill(-pid_, SIGKILL);
    waitExit(kReapLimit);
}

ProcessResult runProcess(LaunchOptions options, Milliseconds limit) {
    TempDir scratch("trovane-run");
    options.stdoutFile = scratch / "out";
    options.stderrFile = scratch / "err";
    ProcessResult result;
    {
        ChildProcess child(options);
        const std::optional<int> status = child.waitExit(limit);
        result.timedOut = !status.has_value();
        result.exited = child.exited();
        result.exitCode = status.value_or(-1);
    }
    result.out = readFile(scratch / "out");
    result.err = readFile(scratch / "err");
    return result;
}

ProcessResult runProcess(const std::vector<std::string>& argv, Milliseconds limit) {
    LaunchOptions options;
    options.argv = argv;
    return runProcess(std::move(options), limit);
}

} // namespace trovane::test
