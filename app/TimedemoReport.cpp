#include "app/TimedemoReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <ostream>

namespace trovane {
namespace {

constexpr double kMillisecondsPerSecond = 1000.0;
constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

double fpsOf(double milliseconds) {
    return milliseconds > 0.0 ? kMillisecondsPerSecond / milliseconds : 0.0;
}

double medianOfSorted(const std::vector<double>& sorted) {
    const std::size_t n = sorted.size();
    return n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
}

// Fixed notation with two decimals, whatever the stream's locale or flags.
std::string number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string jsonText(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

const char* jsonBool(bool value) {
    return value ? "true" : "false";
}

// CPUID pads the brand with blanks to its 48 characters.
std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

constexpr double kPercent = 100.0;

// Every reason the walk knows, in the order of their numbers: a number with a
// name comes right after the last one.
template <class Visit>
void forEachFallback(Visit visit) {
    for (int number = 0; fallbackName(static_cast<PortalFallback>(number)) != nullptr; ++number) {
        visit(static_cast<PortalFallback>(number));
    }
}

} // namespace

const char* fallbackName(PortalFallback fallback) {
    // No default: a reason added to the walk does not build until it is named.
    // clang-format off
    switch (fallback) {
    case PortalFallback::None:           return "none";
    case PortalFallback::EyeOutsideRoom: return "eyeOutsideRoom";
    case PortalFallback::EyeNearWall:    return "eyeNearWall";
    case PortalFallback::GrazingDoor:    return "grazingDoor";
    case PortalFallback::TooComplex:     return "tooComplex";
    case PortalFallback::GrazingSlab:    return "grazingSlab";
    }
    // clang-format on
    return nullptr;
}

void CullingFigures::add(int rooms, PortalFallback fallback) {
    ++frames;
    roomsDrawn += static_cast<std::uint64_t>(std::max(rooms, 0));
    const auto number = static_cast<std::size_t>(fallback);
    if (fallbackFrames.size() <= number) {
        fallbackFrames.resize(number + 1, 0);
    }
    ++fallbackFrames[number];
}

double CullingFigures::meanRoomsDrawn() const {
    return frames > 0 ? static_cast<double>(roomsDrawn) / static_cast<double>(frames) : 0.0;
}

double CullingFigures::share(PortalFallback fallback) const {
    const auto number = static_cast<std::size_t>(fallback);
    if (frames == 0 || number >= fallbackFrames.size()) {
        return 0.0;
    }
    return static_cast<double>(fallbackFrames[number]) / static_cast<double>(frames);
}

FrameFigures summariseFrames(std::vector<double> frameMs, double seconds) {
    FrameFigures figures;
    if (frameMs.empty()) {
        return figures;
    }
    std::sort(frameMs.begin(), frameMs.end());
    const std::size_t n = frameMs.size();
    figures.frames = n;
    figures.seconds = seconds;
    figures.meanFps = seconds > 0.0 ? static_cast<double>(n) / seconds : 0.0;
    figures.minMs = frameMs.front();
    figures.maxMs = frameMs.back();
    figures.medianMs = medianOfSorted(frameMs);
    figures.medianFps = fpsOf(figures.medianMs);
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(n)));
    figures.p99Ms = frameMs[std::max<std::size_t>(rank, 1) - 1];
    const std::size_t slowest = std::max<std::size_t>(n / 100, 1);
    const double slowMs =
        std::accumulate(frameMs.end() - static_cast<std::ptrdiff_t>(slowest), frameMs.end(), 0.0) /
        static_cast<double>(slowest);
    figures.lowFps = fpsOf(slowMs);
    return figures;
}

void writeTextReport(std::ostream& out, const FrameFigures& f, const CullingFigures& c,
                     const MachineFigures& m) {
    out << "timedemo: " << f.frames << " frames in " << number(f.seconds) << " s\n"
        << "fps: mean " << number(f.meanFps) << ", median " << number(f.medianFps) << ", 1 % low "
        << number(f.lowFps) << '\n'
        << "frame time (ms): min " << number(f.minMs) << ", median " << number(f.medianMs)
        << ", p99 " << number(f.p99Ms) << ", max " << number(f.maxMs) << '\n'
        << "rooms drawn per frame: mean " << number(c.meanRoomsDrawn()) << '\n'
        << "frames falling back to every room (%):";
    const char* separator = " ";
    forEachFallback([&](PortalFallback fallback) {
        if (fallback != PortalFallback::None) {
            out << separator << fallbackName(fallback) << ' '
                << number(kPercent * c.share(fallback));
            separator = ", ";
        }
    });
    out << '\n'
        << "GL: " << m.glVendor << " | " << m.glRenderer << " | " << m.glVersion << '\n'
        << "processor: " << trimmed(m.cpuBrand) << " (SSE " << yesNo(m.sse) << ", SSE2 "
        << yesNo(m.sse2) << ")\n"
        << "memory: " << number(double(m.totalPhysicalBytes) / kBytesPerMegabyte)
        << " MB physical, " << number(double(m.availablePhysicalBytes) / kBytesPerMegabyte)
        << " MB available, " << m.memoryLoadPercent << " % in use\n";
}

void writeJsonReport(std::ostream& out, const FrameFigures& f, const CullingFigures& c,
                     const MachineFigures& m) {
    out << "{\"frames\":" << f.frames << ",\"seconds\":" << number(f.seconds)
        << ",\"fps\":{\"mean\":" << number(f.meanFps) << ",\"median\":" << number(f.medianFps)
        << ",\"low1Percent\":" << number(f.lowFps)
        << "},\"frameTimeMs\":{\"min\":" << number(f.minMs) << ",\"median\":" << number(f.medianMs)
        << ",\"p99\":" << number(f.p99Ms) << ",\"max\":" << number(f.maxMs)
        << "},\"culling\":{\"meanRoomsDrawn\":" << number(c.meanRoomsDrawn())
        << ",\"fallbackShare\":{";
    const char* separator = "";
    forEachFallback([&](PortalFallback fallback) {
        if (fallback != PortalFallback::None) {
            char share[32];
            std::snprintf(share, sizeof share, "%.4f", c.share(fallback));
            out << separator << '"' << fallbackName(fallback) << "\":" << share;
            separator = ",";
        }
    });
    out << "}},\"gl\":{\"vendor\":" << jsonText(m.glVendor)
        << ",\"renderer\":" << jsonText(m.glRenderer) << ",\"version\":" << jsonText(m.glVersion)
        << "},\"processor\":{\"brand\":" << jsonText(trimmed(m.cpuBrand))
        << ",\"sse\":" << jsonBool(m.sse) << ",\"sse2\":" << jsonBool(m.sse2)
        << "},\"memory\":{\"totalPhysicalBytes\":" << m.totalPhysicalBytes
        << ",\"availablePhysicalBytes\":" << m.availablePhysicalBytes
        << ",\"loadPercent\":" << m.memoryLoadPercent << "}}\n";
}

} // namespace trovane
