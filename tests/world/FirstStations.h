// The first stations of the sequence, made without touching the program's sequence.
#pragma once

#include "world/StationRandom.h"
#include "world/Structure.h"

#include <vector>

namespace trovane::test {

inline std::vector<Structure> firstStations(int count) {
    std::vector<Structure> stations;
    StationRandomScope sequence;
    for (int i = 0; i < count; ++i) {
        stations.emplace_back(nullptr);
    }
    return stations;
}

} // namespace trovane::test
