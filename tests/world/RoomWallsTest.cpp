#include "world/RoomWalls.h"

#include "math/Vector3.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

namespace trovane {
namespace {

constexpr Color kTestColor{0.25f, 0.5f, 0.75f, 1.0f};

CellMap emptyMap() {
    CellMap cells;
    cells.fill(kCellEmpty);
    return cells;
}

void put(CellMap& cells, CellPosition p, CellCode code) {
    cells[static_cast<std::size_t>(cellIndex(p))] = code;
}

std::vector<Vertex> meshVertices(const SharedPtr<Mesh>& mesh) {
    return *mesh->vertexList();
}

TEST(RoomWallConstants, HaveTheirSinglePrecisionValues) {
    EXPECT_EQ(kWallInset, 0.0049999952f);
    EXPECT_EQ(1.0f - kWallInset, 0.995000005f);
    EXPECT_EQ(kDoorInset, 0.17500001f);
    EXPECT_EQ(1.0f - kDoorInset, 0.82499999f);
    EXPECT_EQ(kDoorTexInset, 0.17171718f);
    EXPECT_EQ(1.0f - kDoorTexInset, 0.82828283f);
    // Both insets sit off the floats nearest to the round values.
    EXPECT_LT(kWallInset, 0.005f);
    EXPECT_GT(kDoorInset, 0.175f);
}

TEST(RoomWallShape, ClosedWallIsTwoTrianglesAtTheInsetCorners) {
    const std::vector<Vertex> wall = buildWall(false, Matrix4::identity(), kTestColor);
    ASSERT_EQ(wall.size(), 6u);
    const float e = 0.0049999952f;
    const float f = 0.995000005f;
    const std::array<Vector3, 6> expected{{
        {e, e, e},
        {f, e, e},
        {f, f, e},
        {f, f, e},
        {e, f, e},
        {e, e, e},
    }};
    for (std::size_t i = 0; i < wall.size(); ++i) {
        EXPECT_EQ(wall[i].position, expected[i]) << i;
        EXPECT_EQ(wall[i].tex0.s, expected[i].x == e ? 0.0f : 1.0f) << i;
        EXPECT_EQ(wall[i].tex0.t, expected[i].y == e ? 0.0f : 1.0f) << i;
    }
}

TEST(RoomWallShape, DoorWallFramesTheOpeningWithEightTriangles) {
    const std::vector<Vertex> wall = buildWall(true, Matrix4::identity(), kTestColor);
    ASSERT_EQ(wall.size(), 24u);
    const std::set<float> edges{0.0049999952f, 0.17500001f, 0.82499999f, 0.995000005f};
    const std::set<float> texEdges{0.0f, 0.17171718f, 0.82828283f, 1.0f};
    std::set<float> xs;
    std::set<float> ss;
    for (const Vertex& v : wall) {
        xs.insert(v.position.x);
        xs.insert(v.position.y);
        ss.insert(v.tex0.s);
        ss.insert(v.tex0.t);
        EXPECT_EQ(v.position.z, 0.0049999952f);
    }
    EXPECT_EQ(xs, edges);
    EXPECT_EQ(ss, texEdges);
    // Nothing covers the opening: no triangle's centre lies inside it.
    for (std::size_t i = 0; i < wall.size(); i += 3) {
        const Vector3 c = (wall[i].position + wall[i + 1].position + wall[i + 2].position) / 3.0f;
        const bool inOpening =
            c.x > 0.17500001f && c.x < 0.82499999f && c.y > 0.17500001f && c.y < 0.82499999f;
        EXPECT_FALSE(inOpening) << "triangle " << i / 3;
    }
}

TEST(RoomWallShape, EveryVertexCarriesColourNormalAndOneTextureCoordinate) {
    for (const bool open : {false, true}) {
        for (const Vertex& v : buildWall(open, Matrix4::identity(), kTestColor)) {
            EXPECT_EQ(v.mask, 7);
            EXPECT_EQ(v.color, kTestColor);
            EXPECT_EQ(v.normal, (Vector3{0.0f, 0.0f, -1.0f}));
            EXPECT_EQ(v.tex0.r, 0.0f);
            EXPECT_EQ(v.tex0.count, 2);
            EXPECT_EQ(v.tex1, TexCoord{});
        }
    }
}

TEST(RoomWallShape, TranslationMovesPositionsButNotNormalsOrTextureCoordinates) {
    const Matrix4 m = translation(Vector3{3.0f, 4.0f, 5.0f});
    const std::vector<Vertex> moved = buildWall(true, m, kTestColor);
    const std::vector<Vertex> local = buildWall(true, Matrix4::identity(), kTestColor);
    ASSERT_EQ(moved.size(), local.size());
    for (std::size_t i = 0; i < moved.size(); ++i) {
        EXPECT_EQ(moved[i].position, local[i].position + Vector3(3.0f, 4.0f, 5.0f));
        EXPECT_EQ(moved[i].normal, local[i].normal);
        EXPECT_EQ(moved[i].tex0, local[i].tex0);
    }
}

// The six walls of a room in building order, each with the axis and cell-local offset of its plane.
struct WallPlane {
    int axis; // 0 x, 1 y, 2 z
    float offset;
};
constexpr std::array<WallPlane, 6> kWallPlanes{{
    {2, 0.0049999952f},
    {2, 0.995000005f},
    {0, 0.0049999952f},
    {0, 0.995000005f},
    {1, 0.0049999952f},
    {1, 0.995000005f},
}};

float component(Vector3 v, int axis) {
    return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}

// Splits a room mesh into its walls, given which walls have doors, and checks each wall's plane,
// winding and normals. Returns false (with failures recorded) when the mesh does not match.
void expectRoom(const SharedPtr<Mesh>& mesh, CellPosition cell, std::array<bool, 6> doors) {
    const std::vector<Vertex> vertices = meshVertices(mesh);
    std::size_t expectedCount = 0;
    for (const bool door : doors) {
        expectedCount += door ? 24 : 6;
    }
    ASSERT_EQ(vertices.size(), expectedCount);
    EXPECT_EQ(mesh->primitiveKind(), PrimitiveKind::TriangleList);
    const Vector3 origin{float(cell.x), float(cell.y), float(cell.z)};
    const Vector3 centre = origin + Vector3{0.5f, 0.5f, 0.5f};
    std::size_t at = 0;
    for (std::size_t wall = 0; wall < 6; ++wall) {
        const std::size_t count = doors[wall] ? 24 : 6;
        const WallPlane plane = kWallPlanes[wall];
        for (std::size_t i = at; i < at + count; ++i) {
            const float local = component(vertices[i].position - origin, plane.axis);
            EXPECT_NEAR(local, plane.offset, 1e-5f) << "wall " << wall + 1 << " vertex " << i;
        }
        for (std::size_t i = at; i < at + count; i += 3) {
            const Vector3 a = vertices[i].position;
            const Vector3 facing =
                cross(vertices[i + 1].position - a, vertices[i + 2].position - a);
            // Counter-clockwise seen from inside: the winding normal points into the room.
            EXPECT_GT(dot(facing, centre - a), 0.0f) << "wall " << wall + 1 << " triangle " << i;
            for (std::size_t k = i; k < i + 3; ++k) {
                const Vector3 n = vertices[k].normal;
                EXPECT_NEAR(length(n), 1.0f, 1e-6f);
                EXPECT_GT(dot(n, vertices[k].position - centre), 0.0f) << "normal points in";
                EXPECT_LT(dot(n, normalised(facing)), -0.9999f);
            }
        }
        at += count;
    }
}

TEST(RoomMesh, IsolatedRoomHasSixClosedWalls) {
    CellMap cells = emptyMap();
    put(cells, {3, 4, 5}, kCellRoom);
    expectRoom(buildCellMesh(cells, 3, 4, 5), {3, 4, 5}, {});
}

TEST(RoomMesh, RoomSurroundedByRoomsHasSixDoors) {
    CellMap cells;
    cells.fill(kCellRoom);
    const SharedPtr<Mesh> mesh = buildCellMesh(cells, 3, 4, 5);
    EXPECT_EQ(mesh->vertexList()->size(), 144u);
    expectRoom(mesh, {3, 4, 5}, {true, true, true, true, true, true});
}

TEST(RoomMesh, EachNeighbourOpensTheWallFacingIt) {
    // Directions in wall order: z-, z+, x-, x+, y-, y+.
    const std::array<CellPosition, 6> steps{{
        {0, 0, -1},
        {0, 0, 1},
        {-1, 0, 0},
        {1, 0, 0},
        {0, -1, 0},
        {0, 1, 0},
    }};
    for (std::size_t wall = 0; wall < 6; ++wall) {
        CellMap cells = emptyMap();
        const CellPosition room{3, 4, 5};
        put(cells, room, kCellRoom);
        const CellPosition s = steps[wall];
        put(cells, {room.x + s.x, room.y + s.y, room.z + s.z}, kCellPath);
        std::array<bool, 6> doors{};
        doors[wall] = true;
        SCOPED_TRACE(wall + 1);
        expectRoom(buildCellMesh(cells, room.x, room.y, room.z), room, doors);
    }
}

TEST(RoomMesh, CornerRoomNeverOpensTowardTheOutside) {
    CellMap cells;
    cells.fill(kCellRoom);
    // Corner (0, 0, 0): only x+, y+ and z+ have neighbours.
    expectRoom(buildCellMesh(cells, 0, 0, 0), {0, 0, 0}, {false, true, false, true, false, true});
    // Corner (7, 7, 7): only x-, y- and z-.
    expectRoom(buildCellMesh(cells, 7, 7, 7), {7, 7, 7}, {true, false, true, false, true, false});
}

TEST(RoomMesh, StartAndEndRoomsOpenEveryBoundarySideTheyTouch) {
    struct Case {
        CellPosition cell;
        std::array<bool, 6> doors; // z-, z+, x-, x+, y-, y+
    };
    const std::array<Case, 8> cases{{
        {{0, 3, 3}, {false, false, true, false, false, false}},
        {{7, 3, 3}, {false, false, false, true, false, false}},
        {{3, 0, 3}, {false, false, false, false, true, false}},
        {{3, 7, 3}, {false, false, false, false, false, true}},
        {{3, 3, 0}, {true, false, false, false, false, false}},
        {{3, 3, 7}, {false, true, false, false, false, false}},
        {{0, 0, 0}, {true, false, true, false, true, false}},
        {{7, 7, 7}, {false, true, false, true, false, true}},
    }};
    for (const CellCode code : {kCellStart, kCellEnd}) {
        for (const Case& c : cases) {
            CellMap cells = emptyMap();
            put(cells, c.cell, code);
            SCOPED_TRACE(::testing::Message()
                         << char(code) << " at " << c.cell.x << "," << c.cell.y << "," << c.cell.z);
            expectRoom(buildCellMesh(cells, c.cell.x, c.cell.y, c.cell.z), c.cell, c.doors);
        }
    }
}

TEST(RoomMesh, OtherRoomsOnTheBoundaryStayClosed) {
    for (const CellCode code : {kCellRoom, kCellPath}) {
        CellMap cells = emptyMap();
        put(cells, {0, 0, 0}, code);
        expectRoom(buildCellMesh(cells, 0, 0, 0), {0, 0, 0}, {});
    }
}

TEST(RoomMesh, DoorsOfNeighbouringRoomsLineUp) {
    CellMap cells = emptyMap();
    put(cells, {3, 4, 5}, kCellRoom);
    put(cells, {4, 4, 5}, kCellRoom);
    // Wall 4 (x = 1 - e) of the first room against wall 3 (x = e) of the second: 6 + 6 + 6 + 6
    // vertices before wall 4 in the first mesh, 6 + 6 before wall 3 in the second.
    const std::vector<Vertex> first = meshVertices(buildCellMesh(cells, 3, 4, 5));
    const std::vector<Vertex> second = meshVertices(buildCellMesh(cells, 4, 4, 5));
    // The corner points of each wall, in units of 1e-4 so that rounding noise of the turns
    // does not matter; equal sets mean the frames and openings coincide.
    const auto corners = [](const std::vector<Vertex>& v, std::size_t from) {
        std::set<std::pair<long, long>> points;
        for (std::size_t i = from; i < from + 24; ++i) {
            points.emplace(std::lround(v[i].position.y * 1e4f),
                           std::lround(v[i].position.z * 1e4f));
        }
        return points;
    };
    const auto a = corners(first, 6 + 6 + 6);
    EXPECT_EQ(a.size(), 12u); // four frame corners, four inner corners, four bar ends
    EXPECT_EQ(a, corners(second, 6 + 6));
    // The two walls are 2e apart, never coplanar.
    EXPECT_NEAR(second[12].position.x - first[18].position.x, 2 * 0.0049999952f, 1e-6f);
}

TEST(RoomMesh, ColourFollowsTheCellCode) {
    const std::array<std::pair<CellCode, Color>, 4> cases{{
        {kCellStart, {1, 1, 0, 1}},
        {kCellEnd, {0, 1, 0, 1}},
        {kCellPath, {0, 0, 1, 1}},
        {kCellRoom, {0.5f, 0.5f, 0.5f, 1}},
    }};
    for (const auto& [code, color] : cases) {
        CellMap cells = emptyMap();
        put(cells, {2, 2, 2}, code);
        for (const Vertex& v : meshVertices(buildCellMesh(cells, 2, 2, 2))) {
            ASSERT_EQ(v.color, color) << char(code);
        }
    }
}

TEST(RoomMesh, CellOutsideTheStationGivesNoMesh) {
    const CellMap cells = emptyMap();
    EXPECT_FALSE(buildCellMesh(cells, 8, 0, 0));
    EXPECT_FALSE(buildCellMesh(cells, 0, -1, 0));
}

} // namespace
} // namespace trovane
