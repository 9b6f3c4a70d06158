#include "tests/support/XvfbServer.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace trovane::test {
namespace {

constexpr int kFirstDisplay = 100;
constexpr int kDisplayCount = 60;
constexpr int kStartLimitMs = 10000;
constexpr Milliseconds kStopLimit{5000};

// The server writes its display number to readyFd once it takes clients;
// end of file means it gave up (the display is taken: Xvfb itself tells a
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

XvfbServer::XvfbServer() {
    // Start at a place that depends on our process id, so that tests run in
    // parallel rarely race for the same display; a lost race just moves on.
    const int offset = static_cast<int>(getpid()) % kDisplayCount;
    for (int i = 0; i < kDisplayCount; ++i) {
        const int number = kFirstDisplay + (offset + i) % kDisplayCount;
        if (tryStart(number)) {
            number_ = number;
            return;
        }
    }
    throw std::runtime_error("no free X display between :100 and :159");
}

bool XvfbServer::tryStart(int number) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return false;
    }
    LaunchOptions options;
    options.argv = {"Xvfb",        std::string(":").append(std::to_string(number)),
                    "-screen",     "0",
                    "1024x768x24", "-noreset",
                    "-nolisten",   "tcp",
                    "-displayfd",  std::to_string(ends[1])};
    options.inheritedDescriptor = ends[1];
    auto server = std::make_unique<ChildProcess>(options);
    close(ends[1]);
    if (!waitReady(ends[0])) {
        close(ends[0]);
        return false;
    }
    // Kept open while the server runs: it may write there again, and a
    // closed pipe would end it with SIGPIPE.
    readyFd_ = ends[0];
    server_ = std::move(server);
    return true;
}

void XvfbServer::exportDisplay() {
    environment_.set("DISPLAY", display());
    environment_.set("SDL_VIDEODRIVER", "x11");
}

void XvfbServer::removeFiles() const {
    std::error_code ignored;
    std::filesystem::remove(std::string("/tmp/.X").append(std::to_string(number_)).append("-lock"),
                            ignored);
    std::filesystem::remove(std::string("/tmp/.X11-unix/X").append(std::to_string(number_)),
                            ignored);
}

XvfbServer::~XvfbServer() {
    if (server_ == nullptr) {
        return;
    }
    server_->signal(SIGTERM);
    if (!server_->waitExit(kStopLimit)) {
        server_->kill();
        removeFiles(); // a killed server leaves its lock and socket behind
    }
    close(readyFd_);
}

} // namespace trovane::test
