// The tests' build of the program (TrovaneLogging) writes what it is asked
// for to standard error: with TROVANE_FIRST_FRAME_LOG set, the wall-clock
// time of the first presented frame (ms since the epoch); with
// TROVANE_STATION_LOG set, each station flown as one line "station cells
// <512 codes>" (x-major, z innermost), as trovane-map prints them.
#include "app/hooks/ProgramHooks.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace trovane::hooks {

void firstFramePresented() {
    if (std::getenv("TROVANE_FIRST_FRAME_LOG") == nullptr) {
        return;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    std::fprintf(stderr, "first frame presented at %lld\n", ms);
}

void stationShown(const CellMap& cells) {
    if (std::getenv("TROVANE_STATION_LOG") == nullptr) {
        return;
    }
    std::string codes;
    for (const CellCode code : cells) {
        codes += static_cast<char>(code);
    }
    std::fprintf(stderr, "station cells %s\n", codes.c_str());
}

} // namespace trovane::hooks
