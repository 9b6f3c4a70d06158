// A cube of cells, some of them rooms, each room a box of inward-facing walls set slightly inside
// its cell with a square door toward every neighbouring room, in a tree joined like an octree.
// Shared by the tree tests and the tree benchmarks as a stand-in for a generated station.
#pragma once

#include "base/SharedPtr.h"
#include "bsp/BspNode.h"
#include "bsp/BspTree.h"
#include "math/Constants.h"
#include "math/Mesh.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace trovane::test {

inline constexpr float kWallInset = 0.05f; // walls stay this far inside the cell faces
inline constexpr float kDoorLow = 0.3f;    // door opening, as a fraction of the cell
inline constexpr float kDoorHigh = 0.7f;

struct RoomGrid {
    int size = 0;                         // cells per side (a power of two)
    std::vector<SharedPtr<Mesh>> rooms;   // per cell, x-major; empty where there is no room
    std::vector<SharedPtr<Geometry>> all; // every room, in cell order
    SharedPtr<BspTree> tree;

    int index(int x, int y, int z) const { return (x * size + y) * size + z; }
    bool isRoom(int x, int y, int z) const {
        return x >= 0 && y >= 0 && z >= 0 && x < size && y < size && z < size &&
               static_cast<bool>(rooms[static_cast<std::size_t>(index(x, y, z))]);
    }
};

namespace detail {

inline Vector3 onAxes(int axis, float a, float u, float v) {
    // Coordinate `a` on axis `axis`, u and v on the two following axes in cyclic order.
    std::array<float, 3> c{};
    c[static_cast<std::size_t>(axis)] = a;
    c[static_cast<std::size_t>((axis + 1) % 3)] = u;
    c[static_cast<std::size_t>((axis + 2) % 3)] = v;
    return {c[0], c[1], c[2]};
}

// Two triangles covering [u0, u1] x [v0, v1] in the plane at `a` on `axis`.
inline void addRectangle(VertexList& out, int axis, float a, float u0, float u1, float v0, float v1,
                         Vector3 normal) {
    const Color color{0.8f, 0.8f, 0.8f, 1.0f};
    const Vector3 p00 = onAxes(axis, a, u0, v0);
    const Vector3 p10 = onAxes(axis, a, u1, v0);
    const Vector3 p11 = onAxes(axis, a, u1, v1);
    const Vector3 p01 = onAxes(axis, a, u0, v1);
    for (Vector3 p : {p00, p10, p11, p11, p01, p00}) {
        out.emplace_back(p, normal, color, TexCoord{});
    }
}

} // namespace detail

// The room of cell (x, y, z): 36 vertices when closed, 24 more for each door.
inline SharedPtr<Mesh> buildRoom(const std::vector<bool>& occupied, int size, int x, int y, int z) {
    const std::array<int, 3> cell{x, y, z};
    auto isRoom = [&](std::array<int, 3> c) {
        for (int v : c) {
            if (v < 0 || v >= size) {
                return false;
            }
        }
        return static_cast<bool>(
            occupied[static_cast<std::size_t>((c[0] * size + c[1]) * size + c[2])]);
    };
    VertexList vertices;
    for (int axis = 0; axis < 3; ++axis) {
        for (int sign : {-1, 1}) {
            std::array<int, 3> neighbour = cell;
            neighbour[static_cast<std::size_t>(axis)] += sign;
            const auto base = static_cast<float>(cell[static_cast<std::size_t>(axis)]);
            const float a = sign < 0 ? base + kWallInset : base + 1.0f - kWallInset;
            Vector3 normal = detail::onAxes(axis, static_cast<float>(-sign), 0.0f, 0.0f);
            const auto u = static_cast<float>(cell[static_cast<std::size_t>((axis + 1) % 3)]);
            const auto v = static_cast<float>(cell[static_cast<std::size_t>((axis + 2) % 3)]);
            const float lo = kWallInset;
            const float hi = 1.0f - kWallInset;
            if (!isRoom(neighbour)) {
                detail::addRectangle(vertices, axis, a, u + lo, u + hi, v + lo, v + hi, normal);
                continue;
            }
            detail::addRectangle(vertices, axis, a, u + lo, u + hi, v + lo, v + kDoorLow, normal);
            detail::addRectangle(vertices, axis, a, u + lo, u + hi, v + kDoorHigh, v + hi, normal);
            detail::addRectangle(vertices, axis, a, u + lo, u + kDoorLow, v + kDoorLow,
                                 v + kDoorHigh, normal);
            detail::addRectangle(vertices, axis, a, u + kDoorHigh, u + hi, v + kDoorLow,
                                 v + kDoorHigh, normal);
        }
    }
    return makeShared<Mesh>(vertices, PrimitiveKind::TriangleList);
}

// Joins the cube of side s at (x0, y0, z0) as an octree: x pairs, then y, then z.
inline SharedPtr<BspNode> joinOctree(const std::vector<SharedPtr<BspNode>>& leaves, int size,
                                     int x0, int y0, int z0, int s, std::int32_t& counter) {
    if (s == 1) {
        return leaves[static_cast<std::size_t>((x0 * size + y0) * size + z0)];
    }
    const int h = s / 2;
    // Children first, in a fixed order, so that inner ids do not depend on evaluation order.
    std::array<SharedPtr<BspNode>, 8> child;
    for (int i = 0; i < 8; ++i) {
        child[static_cast<std::size_t>(i)] = joinOctree(
            leaves, size, x0 + (i & 1) * h, y0 + (i >> 1 & 1) * h, z0 + (i >> 2) * h, h, counter);
    }
    auto n = [&](int dx, int dy, int dz) -> const SharedPtr<BspNode>& {
        return child[static_cast<std::size_t>((dx ? 1 : 0) + (dy ? 2 : 0) + (dz ? 4 : 0))];
    };
    const Plane px({static_cast<float>(x0 + h), 0, 0}, kAxisX);
    const Plane py({0, static_cast<float>(y0 + h), 0}, kAxisY);
    const Plane pz({0, 0, static_cast<float>(z0 + h)}, kAxisZ);
    SharedPtr<BspNode> a = combine(px, counter, n(h, 0, 0), n(0, 0, 0));
    SharedPtr<BspNode> b = combine(px, counter, n(h, h, 0), n(0, h, 0));
    SharedPtr<BspNode> c = combine(px, counter, n(h, 0, h), n(0, 0, h));
    SharedPtr<BspNode> d = combine(px, counter, n(h, h, h), n(0, h, h));
    SharedPtr<BspNode> p = combine(py, counter, b, a);
    SharedPtr<BspNode> q = combine(py, counter, d, c);
    return combine(pz, counter, q, p);
}

// The grid of size^3 cells with rooms where `occupied` (x-major) is set.
inline RoomGrid makeRoomGrid(int size, const std::vector<bool>& occupied) {
    const auto cells = static_cast<std::size_t>(size * size * size);
    RoomGrid grid;
    grid.size = size;
    grid.rooms.resize(cells);
    std::vector<SharedPtr<BspNode>> leaves(cells);
    std::int32_t counter = 0;
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            for (int z = 0; z < size; ++z) {
                const auto i = static_cast<std::size_t>(grid.index(x, y, z));
                if (!occupied[i]) {
                    continue;
                }
                grid.rooms[i] = buildRoom(occupied, size, x, y, z);
                grid.all.push_back(grid.rooms[i]);
                leaves[i] = makeLeaf({grid.rooms[i]}, counter, counter);
                ++counter;
            }
        }
    }
    grid.tree = makeShared<BspTree>(joinOctree(leaves, size, 0, 0, 0, size, counter));
    return grid;
}

// Each cell is a room with probability `fill`, from a fixed seed.
inline RoomGrid makeRoomGrid(int size, double fill, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::bernoulli_distribution isRoom(fill);
    std::vector<bool> occupied(static_cast<std::size_t>(size * size * size));
    for (std::size_t i = 0; i < occupied.size(); ++i) {
        occupied[i] = isRoom(rng);
    }
    return makeRoomGrid(size, occupied);
}

// Exactly `rooms` rooms in cells chosen from a fixed seed.
inline RoomGrid makeRoomGridWithCount(int size, std::size_t rooms, std::uint32_t seed) {
    std::vector<std::size_t> order(static_cast<std::size_t>(size * size * size));
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::mt19937 rng(seed);
    std::shuffle(order.begin(), order.end(), rng);
    std::vector<bool> occupied(order.size());
    for (std::size_t i = 0; i < rooms && i < order.size(); ++i) {
        occupied[order[i]] = true;
    }
    return makeRoomGrid(size, occupied);
}

} // namespace trovane::test
