// -timedemo: the demo path at a fixed step, drawn as fast as possible, and the
// report of how fast that was.
#include "app/Application.h"

#include "app/TimedemoReport.h"
#include "platform/window/Messages.h"
#include "sysinfo/CpuInfo.h"
#include "sysinfo/MemoryStatus.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <iostream>
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

} // namespace

double Application::frameTime() {
    return timedemo_ ? static_cast<double>(timedemoFrames_) * kTimedemoStep : GetTime();
}

int Application::runTimedemo(double seconds, bool json) {
    using Clock = std::chrono::steady_clock;
    timedemo_ = true;
    demoMode = true;
    collisionDetection = false;
    Show();
    std::vector<double> frameMs;
    const Clock::time_point start = Clock::now();
    Clock::time_point last = start;
    double elapsed = 0.0;
    while (elapsed < seconds) {
        platform::Message message;
        while (platform::peekMessage(message)) {
            if (message.kind == platform::MessageKind::Quit) {
                return message.quitCode; // closed before the end: no report
            }
            // Keys stay out of the run; frames are drawn below, not on Paint.
            if (message.kind != platform::MessageKind::KeyDown &&
                message.kind != platform::MessageKind::Paint) {
                WindowProc(message);
            }
        }
        Step();
        const Clock::time_point now = Clock::now();
        frameMs.push_back(std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        elapsed = std::chrono::duration<double>(now - start).count();
    }
    const FrameFigures frames = summariseFrames(std::move(frameMs), elapsed);
    const MachineFigures machine = machineFigures();
    // Generation's dots for unconnected layouts end without a line break.
    if (structure.failedAttempts() > 0) {
        std::fputs("\n", stdout);
    }
    std::fflush(stdout);
    if (json) {
        writeJsonReport(std::cout, frames, machine);
    } else {
        writeTextReport(std::cout, frames, machine);
    }
    std::cout.flush();
    return 0;
}

} // namespace trovane
