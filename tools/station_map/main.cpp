// trovane-map: generates the first COUNT stations of the program's sequence, exactly as the
// program does at start-up and on each regeneration, and prints their cell maps.

#include <cstdio>
#include <string_view>
#include <vector>

#include "tools/station_map/MapOptions.h"
#include "tools/station_map/MapOutput.h"
#include "tools/station_map/StationSummary.h"
#include "world/StationRandom.h"
#include "world/Structure.h"

namespace {

constexpr int kUsageExit = 2;

void printStations(const trovane::MapOptions& options) {
    // The map replaces the progress dots: standard output carries only the requested form.
    trovane::StationRandomScope sequence(trovane::kStationRandomInitialState);
    for (int station = 1; station <= options.count; ++station) {
        const trovane::Structure structure(nullptr);
        const trovane::StationSummary summary = trovane::summarise(structure, station);
        const std::string text =
            options.json ? trovane::formatJson(summary) : trovane::formatReadable(summary);
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const trovane::ParsedArguments parsed = trovane::parseMapArguments(arguments);
    if (parsed.help) {
        std::printf("%.*s\n"
                    "Generates the first COUNT stations (1 to %d, default 1) in the order the\n"
                    "program makes them: at start-up and on each regeneration.\n"
                    "  --json  one JSON object per station and line instead of the cell map\n",
                    static_cast<int>(trovane::kMapUsage.size()), trovane::kMapUsage.data(),
                    trovane::kMaxStationCount);
        return 0;
    }
    if (!parsed.options) {
        std::fprintf(stderr, "trovane-map: %s; %.*s\n", parsed.error.c_str(),
                     static_cast<int>(trovane::kMapUsage.size()), trovane::kMapUsage.data());
        return kUsageExit;
    }
    printStations(*parsed.options);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
