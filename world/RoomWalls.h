// The geometry of one room: its six walls, inset from the cell faces, with
// doors toward neighbouring rooms, coloured by the room's kind.
#pragma once

#include <array>
#include <vector>

#include "base/SharedPtr.h"
#include "math/Matrix4.h"
#include "math/Mesh.h"
#include "math/Vertex.h"
#include "world/CellMap.h"

namespace trovane {

// Walls sit this far inside the cell faces, so the walls of two neighbouring rooms are 2e apart and
// never coplanar. Slightly below the float nearest to 0.005.
inline constexpr float kWallInset = 0.0049999952f;
// Door openings run from a to 1 - a across a wall. Slightly above the float nearest to 0.175.
inline constexpr float kDoorInset = 0.17500001f;
// The texture coordinate of a door edge, (a - e) / (1 - 2e): the texture stretches once over the
// wall from its inset corner to the opposite one.
inline constexpr float kDoorTexInset = (kDoorInset - kWallInset) / (1.0f - 2.0f * kWallInset);

inline constexpr Color kStartRoomColor{1.0f, 1.0f, 0.0f, 1.0f};
inline constexpr Color kEndRoomColor{0.0f, 1.0f, 0.0f, 1.0f};
inline constexpr Color kPathRoomColor{0.0f, 0.0f, 1.0f, 1.0f};
inline constexpr Color kOtherRoomColor{0.5f, 0.5f, 0.5f, 1.0f};

Color roomColor(CellCode code);

// Which walls of the room (x, y, z) have a door, in wall order (z-, z+, x-, x+, y-, y+): those
// facing another room and, for the start and end rooms, every side on the station's boundary, so
// the user can fly in and out.
std::array<bool, 6> wallOpenings(const CellMap& cells, int x, int y, int z);

// One wall in triangle order: the cell-local wall at z = e, with a door opening when open is set,
// moved by transform. Every triangle winds counter-clockwise as seen from inside the room; the
// normals point out of it.
std::vector<Vertex> buildWall(bool open, const Matrix4& transform, Color color);

// The room of cell (x, y, z) (0-based) as a triangle list of its six walls, with a door toward
// every neighbouring room and, for the start and end rooms, an opening toward the outside.
SharedPtr<Mesh> buildCellMesh(const CellMap& cells, int x, int y, int z);

} // namespace trovane
