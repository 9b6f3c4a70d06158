#include "bsp/DrawOrder.h"
#include "bsp/BspNode.h"
#include "bsp/BspTree.h"
#include "math/Constants.h"

#include "tests/bsp/RoomGrid.h"
#include "tests/bsp/TreeSupport.h"
#include "tests/math/Printers.h"

#include <map>
#include <random>

#include <gtest/gtest.h>

namespace trovane {
namespace {

using test::leafWith;
using test::marker;

using DrawList = std::vector<SharedPtr<Geometry>>;

DrawList collect(const BspTree& tree, Vector3 eye, bool frontToBack, std::int32_t eyeCell = -1) {
    DrawList out;
    collectDrawList(tree, out, tree.root(), eye, frontToBack, eyeCell);
    return out;
}

// Two leaves split by the plane x = 1: front (x >= 1) holds f1, f2; back holds b1.
class TwoLeaves : public ::testing::Test {
protected:
    SharedPtr<Geometry> f1 = marker();
    SharedPtr<Geometry> f2 = marker();
    SharedPtr<Geometry> b1 = marker();
    std::int32_t counter = 2;
    BspTree tree{
        combine(Plane({1, 0, 0}, kAxisX), counter, leafWith({f1, f2}, 0), leafWith({b1}, 1))};
};

TEST_F(TwoLeaves, EyeInFront) {
    EXPECT_EQ(collect(tree, {2, 0, 0}, false), (DrawList{b1, f1, f2}));
    EXPECT_EQ(collect(tree, {2, 0, 0}, true), (DrawList{f1, f2, b1}));
}

TEST_F(TwoLeaves, EyeBehind) {
    EXPECT_EQ(collect(tree, {0, 0, 0}, false), (DrawList{f1, f2, b1}));
    EXPECT_EQ(collect(tree, {0, 0, 0}, true), (DrawList{b1, f1, f2}));
}

TEST_F(TwoLeaves, EyeOnThePlaneCountsAsInFront) {
    EXPECT_EQ(collect(tree, {1, 5, -5}, false), (DrawList{b1, f1, f2}));
    EXPECT_EQ(collect(tree, {1, 5, -5}, true), (DrawList{f1, f2, b1}));
}

TEST_F(TwoLeaves, AppendsWithoutClearing) {
    DrawList out;
    collectDrawList(tree, out, tree.root(), {2, 0, 0}, true, -1);
    collectDrawList(tree, out, tree.root(), {2, 0, 0}, true, -1);
    EXPECT_EQ(out, (DrawList{f1, f2, b1, f1, f2, b1}));
    EXPECT_EQ(f1.useCount(), 4);
}

TEST_F(TwoLeaves, VisibilityIsJudgedFromTheEyeCellOnly) {
    // Row per cell, one byte each: from cell 0 only cell 0 is visible, from cell 1 only cell 1.
    tree.setVisibility({0x01, 0x02}, 1);
    EXPECT_EQ(collect(tree, {2, 0, 0}, true, 0), (DrawList{f1, f2}));
    EXPECT_EQ(collect(tree, {2, 0, 0}, true, 1), (DrawList{b1}));
    EXPECT_EQ(collect(tree, {2, 0, 0}, true, -1), (DrawList{f1, f2, b1}));
}

TEST(DrawOrder, SingleLeafIgnoresTheOrderFlag) {
    const SharedPtr<Geometry> a = marker();
    const SharedPtr<Geometry> b = marker();
    const BspTree tree(leafWith({a, b}, 0));
    EXPECT_EQ(collect(tree, {0, 0, 0}, false), (DrawList{a, b}));
    EXPECT_EQ(collect(tree, {0, 0, 0}, true), (DrawList{a, b}));
}

TEST(DrawOrder, LeavesWithoutACellAreNeverDrawn) {
    const SharedPtr<Geometry> a = marker();
    const SharedPtr<Geometry> hidden = marker();
    std::int32_t counter = 2;
    const BspTree tree(
        combine(Plane({1, 0, 0}, kAxisX), counter, leafWith({a}, 0), makeLeaf({hidden}, 1, -1)));
    EXPECT_EQ(collect(tree, {0, 0, 0}, false), (DrawList{a}));
    EXPECT_EQ(collect(tree, {0, 0, 0}, true, 0), (DrawList{a}));
}

TEST(DrawOrder, EmptyTreeListsNothing) {
    const BspTree tree{SharedPtr<BspNode>()};
    EXPECT_TRUE(collect(tree, {0, 0, 0}, false).empty());
}

TEST(DrawOrder, MeshListSharesTheSameMeshes) {
    const SharedPtr<Mesh> mesh = makeShared<Mesh>(VertexList(3), PrimitiveKind::TriangleList);
    const BspTree tree(leafWith({mesh}, 0));
    std::vector<SharedPtr<Mesh>> out;
    collectDrawList(tree, out, tree.root(), {0, 0, 0}, false, -1);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], mesh);
    EXPECT_EQ(mesh.useCount(), 3);
}

// For every inner node, every mesh of the subtree on the eye's side (front when on the plane)
// must come after (back to front) or before (front to back) every mesh of the other subtree.
void expectStrictOrder(const SharedPtr<BspNode>& node, Vector3 eye, bool frontToBack,
                       const std::map<const Geometry*, std::size_t>& position) {
    if (!node || node->isLeaf) {
        return;
    }
    std::vector<std::size_t> near;
    std::vector<std::size_t> far;
    const bool eyeInFront = node->plane->signedDistance(eye) >= 0.0f;
    auto gather = [&](auto&& self, const SharedPtr<BspNode>& n, std::vector<std::size_t>& into) {
        if (!n) {
            return;
        }
        if (n->isLeaf) {
            for (const auto& m : n->meshes) {
                into.push_back(position.at(m.get()));
            }
            return;
        }
        self(self, n->front, into);
        self(self, n->back, into);
    };
    gather(gather, eyeInFront ? node->front : node->back, near);
    gather(gather, eyeInFront ? node->back : node->front, far);
    for (std::size_t n : near) {
        for (std::size_t f : far) {
            if (frontToBack) {
                ASSERT_LT(n, f);
            } else {
                ASSERT_GT(n, f);
            }
        }
    }
    expectStrictOrder(node->front, eye, frontToBack, position);
    expectStrictOrder(node->back, eye, frontToBack, position);
}

TEST(DrawOrder, RoomGridListsEveryRoomOnceInStrictOrder) {
    const test::RoomGrid grid = test::makeRoomGrid(8, 0.43, 2024);
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> cellCoord(0, 8);
    std::uniform_real_distribution<float> coord(-0.5f, 8.5f);
    for (int trial = 0; trial < 40; ++trial) {
        // Half the eyes sit exactly on cell boundaries, and so on splitting planes.
        const Vector3 eye = trial % 2 == 0
                                ? Vector3(coord(rng), coord(rng), coord(rng))
                                : Vector3(static_cast<float>(cellCoord(rng)),
                                          static_cast<float>(cellCoord(rng)), coord(rng));
        for (bool frontToBack : {false, true}) {
            const DrawList list = collect(*grid.tree, eye, frontToBack);
            ASSERT_EQ(list.size(), grid.all.size());
            std::map<const Geometry*, std::size_t> position;
            for (std::size_t i = 0; i < list.size(); ++i) {
                position[list[i].get()] = i;
            }
            ASSERT_EQ(position.size(), grid.all.size()) << "a mesh was listed twice";
            expectStrictOrder(grid.tree->root(), eye, frontToBack, position);
        }
    }
}

TEST(DrawOrder, SwappingTheFlagReversesTheLeafOrder) {
    const test::RoomGrid grid = test::makeRoomGrid(4, 0.6, 8);
    const Vector3 eye(1.3f, 2.7f, 0.4f);
    DrawList backToFront = collect(*grid.tree, eye, false);
    const DrawList frontToBack = collect(*grid.tree, eye, true);
    std::reverse(backToFront.begin(), backToFront.end()); // one mesh per leaf here
    EXPECT_EQ(backToFront, frontToBack);
}

} // namespace
} // namespace trovane
