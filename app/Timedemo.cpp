// -timedemo: the demo path at a fixed step, drawn as fast as possible by the
// window's message loop with nobody at the keys, and the report of how fast
// that was and how the frames were culled.
#include "app/Application.h"

#include "app/TimedemoReport.h"
#include "app/render/Screenshot.h"
#include "sysinfo/CpuInfo.h"
#include "sysinfo/MemoryStatus.h"

#include <GL/gl.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace trovane {
namespace {

constexpr double kTimedemoStep = 1.0 / 60.0; // seconds of flight per frame
constexpr unsigned kSseBit = 25;
constexpr unsigned kSse2Bit = 26;

std::string glText(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text != nullptr ? reinterpret_cast<const char*>(text) : "";
}

MachineFigures machineFigures() {
    MachineFigures machine;
    machine.glVendor = glText(GL_VENDOR);
    machine.glRenderer = glText(GL_RENDERER);
    machine.glVersion = glText(GL_VERSION);
    machine.cpuBrand = GetCpuBrand();
    machine.sse = HasCpuFeature(kSseBit);
    machine.sse2 = HasCpuFeature(kSse2Bit);
    const MemoryFigures memory = readMemoryFigures();
    machine.totalPhysicalBytes = memory.totalPhysical;
    machine.availablePhysicalBytes = memory.availablePhysical;
    machine.memoryLoadPercent = memory.loadPercent;
    return machine;
}

// "timedemo-12.500.png" for the frame at 12.5 s of flight.
std::string shotFileName(double seconds) {
    char name[64];
    std::snprintf(name, sizeof name, "timedemo-%.3f.png", seconds);
    return name;
}

} // namespace

double Application::frameTime() {
    return timedemo_ ? static_cast<double>(timedemoFrames_) * kTimedemoStep : GetTime();
}

void Application::timedemoFrameDrawn() {
    timedemoCulling_.add(frameDrawing.culling().roomsDrawn(), frameDrawing.culling().fallback());
    // Frame n shows flight time n steps; a shot is the frame nearest its time.
    const auto frame = static_cast<long long>(timedemoFrames_);
    while (nextShot_ < timedemoShots_.size() &&
           std::llround(timedemoShots_[nextShot_] / kTimedemoStep) <= frame) {
        std::string error;
        const std::filesystem::path file =
            std::filesystem::path(kScreenshotFolder) / shotFileName(timedemoShots_[nextShot_]);
        if (!saveScreenshotAs(width, height, file, error)) {
            std::fprintf(stderr, "screenshot not saved: %s\n", error.c_str());
        }
        ++nextShot_;
    }
    ++timedemoFrames_;
}

int Application::runTimedemo(double seconds, bool json, const std::vector<double>& shots) {
    using Clock = std::chrono::steady_clock;
    timedemo_ = true;
    demoMode = true;
    collisionDetection = false;
    timedemoShots_ = shots;
    nextShot_ = 0;
    std::vector<double> frameMs;
    const Clock::time_point start = Clock::now();
    Clock::time_point last = start;
    double elapsed = 0.0;
    bool finished = false;
    setUnattended([&] {
        const Clock::time_point now = Clock::now();
        frameMs.push_back(std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        elapsed = std::chrono::duration<double>(now - start).count();
        finished = elapsed >= seconds && nextShot_ == timedemoShots_.size();
        return !finished;
    });
    const int quitCode = RunMessageLoop();
    setUnattended({});
    if (!finished) {
        return quitCode; // closed before the end: no report
    }
    const FrameFigures frames = summariseFrames(std::move(frameMs), elapsed);
    const MachineFigures machine = machineFigures();
    // Generation's dots for unconnected layouts end without a line break.
    if (structure.failedAttempts() > 0 && progress_ != nullptr) {
        std::fputs("\n", progress_);
    }
    std::fflush(stdout);
    if (json) {
        writeJsonReport(std::cout, frames, timedemoCulling_, machine);
    } else {
        writeTextReport(std::cout, frames, timedemoCulling_, machine);
    }
    std::cout.flush();
    return 0;
}

} // namespace trovane
