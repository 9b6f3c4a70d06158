// The station's cells: what each cell holds (room, path, start, end or empty),
// the 8 x 8 x 8 grid of them, and cell positions and indices.
#pragma once

#include <array>
#include <cstdint>

namespace trovane {

// One character per cell of the station, held as a 32-bit integer.
using CellCode = std::int32_t;

inline constexpr CellCode kCellRoom = '#';  // a room that is not on the path
inline constexpr CellCode kCellEmpty = '.'; // empty space, no geometry
inline constexpr CellCode kCellStart = 'S';
inline constexpr CellCode kCellEnd = 'E';
inline constexpr CellCode kCellPath = 'T'; // a room on the path from start to end

// The station is a cube of this many cells on each axis; the octree merge needs a power of two.
inline constexpr int kStationExtent = 8;
inline constexpr int kStationCellCount = kStationExtent * kStationExtent * kStationExtent;

// Cell codes laid out x-major, z innermost.
using CellMap = std::array<CellCode, kStationCellCount>;

// A cell by its 0-based indices; cell (x, y, z) is the unit cube from (x, y, z) to (x+1, y+1, z+1).
struct CellPosition {
    int x = 0;
    int y = 0;
    int z = 0;

    bool operator==(const CellPosition&) const = default;
};

constexpr int cellIndex(int x, int y, int z) {
    return (x * kStationExtent + y) * kStationExtent + z;
}
constexpr int cellIndex(CellPosition p) {
    return cellIndex(p.x, p.y, p.z);
}

constexpr bool insideStation(int x, int y, int z) {
    return x >= 0 && x < kStationExtent && y >= 0 && y < kStationExtent && z >= 0 &&
           z < kStationExtent;
}

} // namespace trovane
