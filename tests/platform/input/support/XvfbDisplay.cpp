#include "tests/platform/input/support/XvfbDisplay.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace trovane::test {
namespace {

constexpr int kFirstDisplay = 140;
constexpr int kLastDisplay = 159;
constexpr int kStartLimitMs = 10000;
constexpr auto kStopLimit = std::chrono::seconds(3);

// The server dies with this process even when a test crashes, so no stray
// server keeps its display.
pid_t spawnServer(int number, int readyFd) {
    const std::string display = ":" + std::to_string(number);
    const std::string fd = std::to_string(readyFd);
    const char* argv[] = {"Xvfb",        display.c_str(), "-screen",   "0",
                          "1024x768x24", "-noreset",      "-nolisten", "tcp",
                          "-displayfd",  fd.c_str(),      nullptr};
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0) {
        return pid;
    }
    // In the child: only calls that are safe after fork.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) {
        _exit(127);
    }
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    execvp(argv[0], const_cast<char* const*>(argv));
    _exit(127);
}

// The server writes its display number to readyFd once it takes clients;
// end of file means it gave up (the display is taken; Xvfb itself tells a
// live server's lock from a stale one).
bool waitReady(int readyFd) {
    pollfd ready{readyFd, POLLIN, 0};
    if (poll(&ready, 1, kStartLimitMs) <= 0) {
        return false;
    }
    char text[16];
    return read(readyFd, text, sizeof text) > 0;
}

} // namespace

XvfbDisplay::XvfbDisplay() {
    for (int number = kFirstDisplay; number <= kLastDisplay && !running(); ++number) {
        tryStart(number);
    }
    if (!running()) {
        error_ = "no Xvfb could be started on displays :140 to :159";
        return;
    }
    environment_.set("SDL_VIDEODRIVER", "x11");
}

XvfbDisplay::~XvfbDisplay() {
    stop();
}

bool XvfbDisplay::tryStart(int number) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return false;
    }
    pid_ = spawnServer(number, pipeFds[1]);
    close(pipeFds[1]);
    const bool ready = pid_ > 0 && waitReady(pipeFds[0]);
    close(pipeFds[0]);
    if (!ready) {
        stop();
        return false;
    }
    environment_.set("DISPLAY", ":" + std::to_string(number));
    return true;
}

void XvfbDisplay::stop() {
    if (pid_ <= 0) {
        return;
    }
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kStopLimit;
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pid_ = -1;
}

} // namespace trovane::test
