#include "tests/world/ProcessRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace trovane::testing {

namespace {

// Closes a descriptor once, on every path.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void close() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

private:
    int fd_;
};

[[noreturn]] void execChild(const std::string& program, const std::vector<std::string>& arguments,
                            int outFd, int errFd) {
    ::dup2(outFd, STDOUT_FILENO);
    ::dup2(errFd, STDERR_FILENO);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

// Reads both pipes until they close or the deadline passes; returns false on timeout.
bool drain(Descriptor& out, Descriptor& err, ProcessResult& result,
           std::chrono::steady_clock::time_point deadline) {
    char buffer[4096];
    while (out.get() >= 0 || err.get() >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd fds[2] = {{out.get(), POLLIN, 0}, {err.get(), POLLIN, 0}};
        if (::poll(fds, 2, int(left.count())) < 0) {
            continue;
        }
        Descriptor* pipes[2] = {&out, &err};
        std::string* sinks[2] = {&result.out, &result.err};
        for (int i = 0; i < 2; ++i) {
            if (pipes[i]->get() < 0 || fds[i].revents == 0) {
                continue;
            }
            const ssize_t n = ::read(pipes[i]->get(), buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, std::size_t(n));
            } else {
                pipes[i]->close();
            }
        }
    }
    return true;
}

// Waits for the child to exit until the deadline; returns false on timeout.
bool reap(pid_t child, std::chrono::steady_clock::time_point deadline, ProcessResult& result) {
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) {
            result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return true;
        }
        if (done < 0 && errno != EINTR) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        ::usleep(2000);
    }
}

} // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         int timeoutSeconds) {
    ProcessResult result;
    int outPipe[2];
    int errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0) {
        return result;
    }
    Descriptor outRead(outPipe[0]);
    Descriptor outWrite(outPipe[1]);
    if (::pipe2(errPipe, O_CLOEXEC) != 0) {
        return result;
    }
    Descriptor errRead(errPipe[0]);
    Descriptor errWrite(errPipe[1]);
    const pid_t child = ::fork();
    if (child < 0) {
        return result;
    }
    if (child == 0) {
        execChild(program, arguments, outWrite.get(), errWrite.get());
    }
    outWrite.close();
    errWrite.close();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    if (!drain(outRead, errRead, result, deadline) || !reap(child, deadline, result)) {
        result.timedOut = true;
        ::kill(child, SIGKILL);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    return result;
}

} // namespace trovane::testing
