#include "world/StationTree.h"

#include <array>
#include <cstdint>
#include <vector>

#include "bsp/BspNode.h"
#include "math/Constants.h"
#include "math/Plane.h"
#include "world/RoomWalls.h"

namespace trovane {

namespace {

using NodeGrid = std::array<SharedPtr<BspNode>, kStationCellCount>;

SharedPtr<BspNode>& at(NodeGrid& nodes, int x, int y, int z) {
    return nodes[static_cast<std::size_t>(cellIndex(x, y, z))];
}

void makeLeaves(const CellMap& cells, NodeGrid& nodes, std::int32_t& nextId) {
    for (int x = 0; x < kStationExtent; ++x) {
        for (int y = 0; y < kStationExtent; ++y) {
            for (int z = 0; z < kStationExtent; ++z) {
                if (cells[static_cast<std::size_t>(cellIndex(x, y, z))] == kCellEmpty) {
                    continue;
                }
                const std::vector<SharedPtr<Geometry>> meshes{buildCellMesh(cells, x, y, z)};
                at(nodes, x, y, z) = makeLeaf(meshes, nextId, nextId);
                ++nextId;
            }
        }
    }
}

// Joins the eight subcubes of edge h at (i, j, k) into node (i, j, k): four joins across x, two
// across y, one across z, the positive half always in front.
void joinBlock(NodeGrid& nodes, int i, int j, int k, int h, std::int32_t& nextId) {
    const float ch = static_cast<float>(h);
    const Vector3 centre{static_cast<float>(i) + ch, static_cast<float>(j) + ch,
                         static_cast<float>(k) + ch};
    const Plane px(centre, kAxisX);
    const Plane py(centre, kAxisY);
    const Plane pz(centre, kAxisZ);
    const auto n = [&](int a, int b, int d) { return at(nodes, i + a, j + b, k + d); };
    SharedPtr<BspNode> a = combine(px, nextId, n(h, 0, 0), n(0, 0, 0));
    SharedPtr<BspNode> b = combine(px, nextId, n(h, h, 0), n(0, h, 0));
    SharedPtr<BspNode> c = combine(px, nextId, n(h, 0, h), n(0, 0, h));
    SharedPtr<BspNode> d = combine(px, nextId, n(h, h, h), n(0, h, h));
    SharedPtr<BspNode> p = combine(py, nextId, b, a);
    SharedPtr<BspNode> q = combine(py, nextId, d, c);
    at(nodes, i, j, k) = combine(pz, nextId, q, p);
}

void mergeOctree(NodeGrid& nodes, std::int32_t& nextId) {
    for (int s = 2; s <= kStationExtent; s *= 2) {
        const int h = s / 2;
        for (int i = 0; i < kStationExtent; i += s) {
            for (int j = 0; j < kStationExtent; j += s) {
                for (int k = 0; k < kStationExtent; k += s) {
                    joinBlock(nodes, i, j, k, h, nextId);
                }
            }
        }
    }
}

} // namespace

SharedPtr<BspTree> buildStationTree(const CellMap& cells) {
    NodeGrid nodes;
    std::int32_t nextId = 0;
    makeLeaves(cells, nodes, nextId);
    mergeOctree(nodes, nextId);
    return makeShared<BspTree>(at(nodes, 0, 0, 0));
}

} // namespace trovane
