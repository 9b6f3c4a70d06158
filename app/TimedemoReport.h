// The timedemo's report: frame rates and frame times of the run, how its
// frames were culled, and what it ran on (GL, processor, memory), as text
// lines or as one JSON object.
#pragma once

#include "world/PortalWalk.h"

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

// The report's name for each reason to draw every room ("none" for frames
// that did not fall back); null for a number that names no reason.
const char* fallbackName(PortalFallback fallback);

// How the frames of one run were culled, added up frame by frame.
struct CullingFigures {
    std::size_t frames = 0;
    std::uint64_t roomsDrawn = 0; // over all frames
    // Frames per reason, indexed by the reason's number.
    std::vector<std::size_t> fallbackFrames;

    void add(int rooms, PortalFallback fallback);
    double meanRoomsDrawn() const;
    // The share of frames, 0 to 1, that drew every room for this reason.
    double share(PortalFallback fallback) const;
};

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

// The processor brand is written without the padding CPUID gives it.
void writeTextReport(std::ostream& out, const FrameFigures& frames, const CullingFigures& culling,
                     const MachineFigures& machine);
// One JSON object on one line.
void writeJsonReport(std::ostream& out, const FrameFigures& frames, const CullingFigures& culling,
                     const MachineFigures& machine);

} // namespace trovane
