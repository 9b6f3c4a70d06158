// The benchmark station: 8 x 8 x 8 cells with 220 room-like meshes (36 to 144 vertices) in a
// tree joined like an octree, built once per process.
#pragma once

#include "tests/bsp/RoomGrid.h"

namespace trovane::bench {

inline constexpr std::size_t kStationRooms = 220;

inline const test::RoomGrid& station() {
    static const test::RoomGrid grid = test::makeRoomGridWithCount(8, kStationRooms, 1);
    return grid;
}

} // namespace trovane::bench
