#include "XvfbServer.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace e2e {
namespace {

constexpr int kFirstDisplay = 100;
constexpr int kDisplayCount = 40;
constexpr Milliseconds kStartLimit{10000};
constexpr Milliseconds kStopLimit{5000};

std::filesystem::path lockFile(int number) {
    return "/tmp/.X" + std::to_string(number) + "-lock";
}

std::filesystem::path socketFile(int number) {
    return "/tmp/.X11-unix/X" + std::to_string(number);
}

// A lock whose server has gone (killed, so it could not remove it) does not
// count: a new server takes such a display over.
bool lockHeld(int number) {
    std::ifstream lock(lockFile(number));
    if (!lock) {
        return false;
    }
    long pid = 0;
    if (!(lock >> pid) || pid <= 0) {
        return true; // being written, or not ours to judge
    }
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

bool inUse(int number) {
    std::error_code ignored;
    return lockHeld(number) || (!std::filesystem::exists(lockFile(number), ignored) &&
                                std::filesystem::exists(socketFile(number), ignored));
}

} // namespace

XvfbServer::XvfbServer() {
    // Start at a place that depends on our process id, so that tests run in
    // parallel rarely race for the same display; a lost race just moves on.
    int offset = static_cast<int>(getpid()) % kDisplayCount;
    for (int i = 0; i < kDisplayCount; ++i) {
        int number = kFirstDisplay + (offset + i) % kDisplayCount;
        if (!inUse(number) && tryStart(number)) {
            number_ = number;
            return;
        }
    }
    throw std::runtime_error("no free X display between :100 and :139");
}

bool XvfbServer::tryStart(int number) {
    LaunchOptions options;
    options.argv = {"Xvfb",        ":" + std::to_string(number),
                    "-screen",     "0",
                    "1024x768x24", "-noreset",
                    "-nolisten",   "tcp"};
    auto server = std::make_unique<ChildProcess>(options);
    auto deadline = std::chrono::steady_clock::now() + kStartLimit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (!server->running()) {
            return false; // lost the display to another server
        }
        std::error_code ignored;
        if (std::filesystem::exists(socketFile(number), ignored)) {
            CommandResult probe = runCommand({"xdotool", "getdisplaygeometry"}, Milliseconds(5000),
                                             {{"DISPLAY", ":" + std::to_string(number)}});
            // Still ours: a server that lost the lock to another one has ended by now.
            if (probe.finished && probe.exitCode == 0 && server->running()) {
                server_ = std::move(server);
                return true;
            }
        }
        sleepFor(Milliseconds(50));
    }
    return false;
}

void XvfbServer::removeFiles() const {
    std::error_code ignored;
    std::filesystem::remove(lockFile(number_), ignored);
    std::filesystem::remove(socketFile(number_), ignored);
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
}

} // namespace e2e
