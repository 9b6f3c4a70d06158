// Places in the first station of the generator's sequence that the frame
// tests fly to: an outside wall with nothing beyond it, and room middles.
#pragma once

#include "world/CellMap.h"
#include "world/RoomWalls.h"
#include "world/StationRandom.h"
#include "world/Structure.h"

#include <optional>

namespace trovane::test {

// The first station, made without touching the program's sequence.
inline Structure firstStation() {
    StationRandomScope sequence;
    return Structure(nullptr);
}

// A room at z = 7 that is neither start nor end: its +z wall is whole (no
// door, no opening) and faces empty space.
inline std::optional<CellPosition> roomOnTheFarSide(const Structure& station) {
    for (int x = 0; x < kStationExtent; ++x) {
        for (int y = 0; y < kStationExtent; ++y) {
            const CellCode code = station.cells[std::size_t(cellIndex(x, y, kStationExtent - 1))];
            if (code == kCellRoom || code == kCellPath) {
                return CellPosition{x, y, kStationExtent - 1};
            }
        }
    }
    return std::nullopt;
}

// The z of the outside face of that room's +z wall.
inline constexpr float kFarWallZ = float(kStationExtent) - kWallInset;

// The middle of a cell, in world units.
inline Vector3 middleOf(CellPosition cell) {
    return {float(cell.x) + 0.5f, float(cell.y) + 0.5f, float(cell.z) + 0.5f};
}

} // namespace trovane::test
