#include "world/StationTree.h"

#include "bsp/BspNode.h"
#include "world/RoomWalls.h"
#include "world/StationRandom.h"
#include "world/Structure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace trovane {
namespace {

CellMap mapWith(std::initializer_list<CellPosition> rooms) {
    CellMap cells;
    cells.fill(kCellEmpty);
    for (const CellPosition p : rooms) {
        cells[static_cast<std::size_t>(cellIndex(p))] = kCellRoom;
    }
    return cells;
}

// The cell a leaf's room sits in, from the centre of its mesh box.
CellPosition leafCell(const BspNode& leaf) {
    const Vector3 c = leaf.meshes.at(0)->bounds().centre;
    return {int(std::floor(c.x)), int(std::floor(c.y)), int(std::floor(c.z))};
}

void collectLeaves(const SharedPtr<BspNode>& node, std::vector<const BspNode*>& leaves) {
    if (node->isLeaf) {
        leaves.push_back(node.get());
        return;
    }
    collectLeaves(node->front, leaves);
    collectLeaves(node->back, leaves);
}

void collectInner(const SharedPtr<BspNode>& node, std::vector<const BspNode*>& inner) {
    if (node->isLeaf) {
        return;
    }
    inner.push_back(node.get());
    collectInner(node->front, inner);
    collectInner(node->back, inner);
}

TEST(StationTreeShape, SingleRoomIsALeafRoot) {
    const SharedPtr<BspTree> tree = buildStationTree(mapWith({{5, 2, 6}}));
    const SharedPtr<BspNode> root = tree->root();
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->isLeaf);
    EXPECT_EQ(root->id, 0);
    EXPECT_EQ(root->cell, 0);
    ASSERT_EQ(root->meshes.size(), 1u);
    EXPECT_EQ(root->meshes[0]->vertices().size(), 36u);
    EXPECT_FALSE(tree->hasVisibility());
}

// A station of two rooms: the root is node 2 on the given plane, room 1 in front, room 0 behind.
void expectJoinOfTheTwoLeaves(const SharedPtr<BspNode>& root, Vector3 normal, Vector3 point) {
    ASSERT_FALSE(root->isLeaf);
    EXPECT_EQ(root->id, 2);
    EXPECT_EQ(root->plane->normal(), normal);
    EXPECT_EQ(root->plane->point(), point);
    EXPECT_EQ(root->front->id, 1);
    EXPECT_EQ(root->back->id, 0);
}

TEST(StationTreeShape, TwoRoomsOfOnePairJoinAcrossX) {
    // Leaves 0 = (0,0,0) and 1 = (1,0,0); the first join of the first 2-cube makes id 2 under
    // x = 1 with the positive half (1,0,0) in front.
    const SharedPtr<BspNode> root = buildStationTree(mapWith({{0, 0, 0}, {1, 0, 0}}))->root();
    expectJoinOfTheTwoLeaves(root, Vector3{1, 0, 0}, Vector3{1, 1, 1});
    EXPECT_EQ(root->cell, 2);
}

TEST(StationTreeShape, OppositeCornersPassThroughToTheLastZJoin) {
    // (0,0,0) and (7,7,7) never meet before the 8-cube; there every x and y join has one empty
    // side, and only the z join at 4 makes a node: id 2, (7,7,7) in front.
    const SharedPtr<BspNode> root = buildStationTree(mapWith({{0, 0, 0}, {7, 7, 7}}))->root();
    expectJoinOfTheTwoLeaves(root, Vector3{0, 0, 1}, Vector3{4, 4, 4});
}

TEST(StationTreeShape, FullCubeHasAllSevenJoinsPerBlock) {
    CellMap cells;
    cells.fill(kCellRoom);
    const SharedPtr<BspNode> root = buildStationTree(cells)->root();
    std::vector<const BspNode*> inner;
    collectInner(root, inner);
    EXPECT_EQ(inner.size(), 511u);
    EXPECT_EQ(root->id, 512 + 511 - 1);
    EXPECT_EQ(root->plane->normal(), (Vector3{0, 0, 1}));
    // The first 2-cube's joins take ids 512..518 in the order A, B, C, D (x), P, Q (y), R (z).
    // Its cell (0,0,0) hangs below R -> back P -> back A -> back.
    std::vector<int> chain;
    for (const BspNode* node = root.get(); !node->isLeaf; node = node->back.get()) {
        chain.push_back(node->id);
    }
    ASSERT_GE(chain.size(), 3u);
    EXPECT_EQ(std::vector<int>(chain.end() - 3, chain.end()), (std::vector<int>{518, 516, 512}));
}

// Properties of the trees of real stations.
class GeneratedTrees : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        StationRandomScope sequence;
        for (int i = 0; i < 30; ++i) {
            stations_.emplace_back(nullptr);
        }
    }
    static void TearDownTestSuite() { stations_.clear(); }
    static std::vector<Structure> stations_;
};
std::vector<Structure> GeneratedTrees::stations_;

TEST_F(GeneratedTrees, LeafIdsAreDenseInXMajorCellOrder) {
    for (const Structure& s : stations_) {
        std::vector<const BspNode*> leaves;
        collectLeaves(s.tree->root(), leaves);
        std::sort(leaves.begin(), leaves.end(),
                  [](const BspNode* a, const BspNode* b) { return a->id < b->id; });
        int expectedId = 0;
        for (int index = 0; index < kStationCellCount; ++index) {
            if (s.cells[static_cast<std::size_t>(index)] == kCellEmpty) {
                continue;
            }
            ASSERT_LT(std::size_t(expectedId), leaves.size());
            const BspNode& leaf = *leaves[std::size_t(expectedId)];
            EXPECT_EQ(leaf.id, expectedId);
            EXPECT_EQ(leaf.cell, expectedId);
            EXPECT_EQ(cellIndex(leafCell(leaf)), index);
            ++expectedId;
        }
        EXPECT_EQ(std::size_t(expectedId), leaves.size());
    }
}

TEST_F(GeneratedTrees, InnerIdsContinueFromTheLeafCountAndParentsComeAfterChildren) {
    for (const Structure& s : stations_) {
        const SharedPtr<BspNode> root = s.tree->root();
        std::vector<const BspNode*> leaves;
        std::vector<const BspNode*> inner;
        collectLeaves(root, leaves);
        collectInner(root, inner);
        const int leafCount = int(leaves.size());
        EXPECT_EQ(inner.size() + 1, leaves.size());
        std::set<int> ids;
        for (const BspNode* node : inner) {
            ids.insert(node->id);
            EXPECT_EQ(node->cell, node->id);
            EXPECT_GT(node->id, node->front->id);
            EXPECT_GT(node->id, node->back->id);
            EXPECT_TRUE(node->meshes.empty());
        }
        ASSERT_FALSE(ids.empty());
        EXPECT_EQ(*ids.begin(), leafCount);
        EXPECT_EQ(*ids.rbegin(), leafCount + int(inner.size()) - 1);
        EXPECT_EQ(ids.size(), inner.size());
        EXPECT_EQ(root->id, leafCount + int(inner.size()) - 1);
    }
}

void expectSide(const SharedPtr<BspNode>& subtree, const Plane& plane, bool front) {
    std::vector<const BspNode*> leaves;
    collectLeaves(subtree, leaves);
    for (const BspNode* leaf : leaves) {
        for (const Vertex& v : leaf->meshes[0]->vertices()) {
            const float d = plane.signedDistance(v.position);
            if (front) {
                ASSERT_GE(d, 0.0f) << "leaf " << leaf->id;
            } else {
                ASSERT_LT(d, 0.0f) << "leaf " << leaf->id;
            }
        }
    }
}

TEST_F(GeneratedTrees, FrontSubtreesLieOnTheNonNegativeSideAndBackSubtreesOnTheNegative) {
    for (const Structure& s : stations_) {
        std::vector<const BspNode*> inner;
        collectInner(s.tree->root(), inner);
        for (const BspNode* node : inner) {
            const Plane& plane = *node->plane;
            const Vector3 n = plane.normal();
            EXPECT_EQ(std::fabs(n.x) + std::fabs(n.y) + std::fabs(n.z), 1.0f) << "axis-aligned";
            expectSide(node->front, plane, true);
            expectSide(node->back, plane, false);
        }
    }
}

TEST_F(GeneratedTrees, EveryLeafHoldsTheRoomMeshOfItsCell) {
    for (const Structure& s : stations_) {
        std::vector<const BspNode*> leaves;
        collectLeaves(s.tree->root(), leaves);
        for (const BspNode* leaf : leaves) {
            ASSERT_EQ(leaf->meshes.size(), 1u);
            const CellPosition p = leafCell(*leaf);
            const SharedPtr<Mesh> expected = buildCellMesh(s.cells, p.x, p.y, p.z);
            EXPECT_EQ(leaf->meshes[0]->vertices(), expected->vertices());
        }
    }
}

} // namespace
} // namespace trovane
