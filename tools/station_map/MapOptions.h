// The map tool's command line: what it asks for, or the one line saying what
// is wrong with it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace trovane {

// The largest station count the map tool accepts; far beyond any practical use, and small enough
// that a mistyped number cannot keep the tool busy for hours.
inline constexpr int kMaxStationCount = 100000;

inline constexpr std::string_view kMapUsage = "usage: trovane-map [--json] [COUNT]";

struct MapOptions {
    bool json = false; // one JSON object per station and line instead of the readable map
    int count = 1;     // stations to generate, 1..kMaxStationCount
};

struct ParsedArguments {
    std::optional<MapOptions> options; // set when the arguments are usable
    bool help = false;                 // --help or -h was given
    std::string error;                 // one line saying what is wrong, when neither is set
};

ParsedArguments parseMapArguments(std::span<const std::string_view> arguments);

} // namespace trovane
