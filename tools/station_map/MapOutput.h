// The map tool's two ways of writing a station: one JSON line or a readable
// map.
#pragma once

#include <string>

#include "tools/station_map/StationSummary.h"

namespace trovane {

// One line (with its line break) holding one JSON object.
std::string formatJson(const StationSummary& summary);

// The station as 8 layers (one per x) of 8 lines (one per y) of 8 cell codes (z), then start,
// end, path and the size of the tree.
std::string formatReadable(const StationSummary& summary);

} // namespace trovane
