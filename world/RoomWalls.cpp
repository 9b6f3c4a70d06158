#include "world/RoomWalls.h"

#include <array>

#include "math/Constants.h"
#include "math/Vector3.h"

namespace trovane {

namespace {

constexpr float e = kWallInset;
constexpr float a = kDoorInset;

struct WallPoint {
    float x;
    float y;
};

// Two triangles: the lower right half, then the upper left half.
constexpr std::array<WallPoint, 6> kClosedWall{{
    {e, e},
    {1 - e, e},
    {1 - e, 1 - e},
    {1 - e, 1 - e},
    {e, 1 - e},
    {e, e},
}};

// Four strips framing the square opening from a to 1 - a on both axes.
constexpr std::array<WallPoint, 24> kDoorWall{{
    {e, e},     {a, e},         {a, 1 - e},     {a, 1 - e},     {e, 1 - e},     {e, e},     // left
    {1 - a, e}, {1 - e, e},     {1 - e, 1 - e}, {1 - e, 1 - e}, {1 - a, 1 - e}, {1 - a, e}, // right
    {a, e},     {1 - a, e},     {1 - a, a},     {1 - a, a},     {a, a},         {a, e},     // lower
    {a, 1 - a}, {1 - a, 1 - a}, {1 - a, 1 - e}, {1 - a, 1 - e}, {a, 1 - e},     {a, 1 - a}, // upper
}};

// Maps the inset corner e to 0 and 1 - e to 1.
float wallTexCoord(float v) {
    return (v - e) / (1.0f - 2.0f * e);
}

// The rotation of one wall about the cell-local centre, before the cell's translation.
struct WallTurn {
    Vector3 axis;
    float degrees; // 0: no rotation
};

// Walls in building order: z = e, z = 1 - e, x = e, x = 1 - e, y = e, y = 1 - e.
constexpr std::array<WallTurn, 6> kWallTurns{{
    {kAxisY, 0.0f},
    {kAxisY, 180.0f},
    {kAxisY, 90.0f},
    {kAxisY, 270.0f},
    {kAxisX, 270.0f},
    {kAxisX, 90.0f},
}};

// The turn of each wall about the cell-local centre; the same for every cell, so made once.
const std::array<Matrix4, 6>& wallRotations() {
    static const std::array<Matrix4, 6> rotations = [] {
        std::array<Matrix4, 6> out;
        const Vector3 centre{0.5f, 0.5f, 0.5f};
        for (std::size_t i = 0; i < out.size(); ++i) {
            const WallTurn& turn = kWallTurns[i];
            out[i] = turn.degrees == 0.0f
                         ? Matrix4::identity()
                         : rotationAboutPoint(centre, turn.axis, turn.degrees * kDegreesToRadians);
        }
        return out;
    }();
    return rotations;
}

// The turn acts first, in cell-local coordinates, and the cell's translation after it.
Matrix4 wallTransform(std::size_t wall, const Matrix4& cellTranslation) {
    if (kWallTurns[wall].degrees == 0.0f) {
        return cellTranslation;
    }
    return multiply(wallRotations()[wall], cellTranslation);
}

bool isRoom(const CellMap& cells, int x, int y, int z) {
    return insideStation(x, y, z) &&
           cells[static_cast<std::size_t>(cellIndex(x, y, z))] != kCellEmpty;
}

} // namespace

std::array<bool, 6> wallOpenings(const CellMap& cells, int x, int y, int z) {
    std::array<bool, 6> open{
        isRoom(cells, x, y, z - 1), isRoom(cells, x, y, z + 1), isRoom(cells, x - 1, y, z),
        isRoom(cells, x + 1, y, z), isRoom(cells, x, y - 1, z), isRoom(cells, x, y + 1, z),
    };
    const CellCode code = cells[static_cast<std::size_t>(cellIndex(x, y, z))];
    if (code == kCellStart || code == kCellEnd) {
        const int last = kStationExtent - 1;
        open[0] = open[0] || z == 0;
        open[1] = open[1] || z == last;
        open[2] = open[2] || x == 0;
        open[3] = open[3] || x == last;
        open[4] = open[4] || y == 0;
        open[5] = open[5] || y == last;
    }
    return open;
}

Color roomColor(CellCode code) {
    switch (code) {
    case kCellStart:
        return kStartRoomColor;
    case kCellEnd:
        return kEndRoomColor;
    case kCellPath:
        return kPathRoomColor;
    default:
        return kOtherRoomColor;
    }
}

namespace {

void appendWall(std::vector<Vertex>& out, bool open, const Matrix4& transform, Color color) {
    const Vector3 normal =
        normalised(transformPoint(transpose(inverse(transform)), Vector3{0.0f, 0.0f, -1.0f}));
    const auto emit = [&](const auto& points) {
        for (const WallPoint& p : points) {
            const Vector3 position = transformPointProjective(transform, Vector3{p.x, p.y, e});
            const TexCoord tex{wallTexCoord(p.x), wallTexCoord(p.y), 0.0f, 2};
            out.emplace_back(position, normal, color, tex);
        }
    };
    if (open) {
        emit(kDoorWall);
    } else {
        emit(kClosedWall);
    }
}

} // namespace

std::vector<Vertex> buildWall(bool open, const Matrix4& transform, Color color) {
    std::vector<Vertex> wall;
    wall.reserve(open ? kDoorWall.size() : kClosedWall.size());
    appendWall(wall, open, transform, color);
    return wall;
}

SharedPtr<Mesh> buildCellMesh(const CellMap& cells, int x, int y, int z) {
    if (!insideStation(x, y, z)) {
        return SharedPtr<Mesh>();
    }
    const std::array<bool, 6> open = wallOpenings(cells, x, y, z);
    const Color color = roomColor(cells[static_cast<std::size_t>(cellIndex(x, y, z))]);
    const Matrix4 cellTranslation =
        translation(Vector3{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)});
    std::vector<Vertex> vertices;
    vertices.reserve(6 * kDoorWall.size());
    for (std::size_t wall = 0; wall < kWallTurns.size(); ++wall) {
        appendWall(vertices, open[wall], wallTransform(wall, cellTranslation), color);
    }
    return makeShared<Mesh>(vertices, PrimitiveKind::TriangleList);
}

} // namespace trovane
