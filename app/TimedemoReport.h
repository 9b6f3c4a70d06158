// The timedemo's report: frame rates and frame times of the run, and what it
// ran on (GL, processor, memory), as text lines or as one JSON object.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace trovane {

// The frame figures of one run.
struct FrameFigures {
    std::size_t frames = 0;
    double seconds = 0.0; // wall time of the measured frames
    double meanFps = 0.0; // frames / seconds
    double medianFps = 0.0;
    double lowFps = 0.0; // over the slowest 1 % of frames (at least one)
    double minMs = 0.0;
    double medianMs = 0.0;
    double p99Ms = 0.0; // nearest rank
    double maxMs = 0.0;
};

// Figures for these frame times in milliseconds, measured over seconds of
// wall time; all zero for no frames.
FrameFigures summariseFrames(std::vector<double> frameMs, double seconds);

// What the run ran on.
struct MachineFigures {
    std::string glVendor;
    std::string glRenderer;
    std::string glVersion;
    std::string cpuBrand;
    bool sse = false;
    bool sse2 = false;
    std::uint64_t totalPhysicalBytes = 0;
    std::uint64_t availablePhysicalBytes = 0;
    std::uint64_t memoryLoadPercent = 0;
};

void writeTextReport(std::ostream& out, const FrameFigures& frames, const MachineFigures& machine);
// One JSON object on one line.
void writeJsonReport(std::ostream& out, const FrameFigures& frames, const MachineFigures& machine);

} // namespace trovane
