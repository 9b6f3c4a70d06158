// What the map tool reports about one station, taken from the generated
// structure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "world/CellMap.h"
#include "world/Structure.h"

namespace trovane {

// What the map tool reports about one generated station.
struct StationSummary {
    int station = 0; // 1-based position in the sequence
    int failedAttempts = 0;
    CellMap cells{};
    CellPosition start;
    CellPosition end;
    std::vector<CellPosition> path;
    int leaves = 0;
    int innerNodes = 0;
    std::int32_t rootId = -1; // -1 for an empty tree
    std::size_t vertices = 0; // over all room meshes
};

StationSummary summarise(const Structure& structure, int station);

} // namespace trovane
