#include "bsp/BspTree.h"
#include "bsp/BspNode.h"
#include "bsp/DrawOrder.h"
#include "math/Constants.h"

#include "tests/bsp/RoomGrid.h"
#include "tests/bsp/TreeSupport.h"
#include "tests/math/Printers.h"

#include <gtest/gtest.h>

namespace trovane {
namespace {

using test::leafWith;
using test::marker;

const Plane kPlaneX1({1, 0, 0}, kAxisX);

TEST(MakeLeaf, SharesEachMeshAndHasNoChildren) {
    const SharedPtr<Geometry> a = marker();
    const SharedPtr<Geometry> b = marker();
    const SharedPtr<BspNode> leaf = makeLeaf({a, b}, 4, 9);
    EXPECT_TRUE(leaf->isLeaf);
    EXPECT_EQ(leaf->id, 4);
    EXPECT_EQ(leaf->cell, 9);
    ASSERT_EQ(leaf->meshes.size(), 2u);
    EXPECT_EQ(leaf->meshes[0], a);
    EXPECT_EQ(leaf->meshes[1], b);
    EXPECT_EQ(a.useCount(), 2);
    EXPECT_FALSE(leaf->front);
    EXPECT_FALSE(leaf->back);
    EXPECT_FALSE(leaf->plane);
}

TEST(MakeInner, OwnsACopyOfThePlaneAndSharesBothChildren) {
    const SharedPtr<BspNode> front = leafWith({marker()}, 0);
    const SharedPtr<BspNode> back = leafWith({marker()}, 1);
    Plane plane({2, 0, 0}, kAxisX);
    const SharedPtr<BspNode> inner = makeInner(plane, front, back, 7, 7);
    plane = Plane({5, 0, 0}, kAxisY);
    EXPECT_FALSE(inner->isLeaf);
    EXPECT_EQ(inner->id, 7);
    EXPECT_EQ(inner->cell, 7);
    EXPECT_TRUE(inner->meshes.empty());
    EXPECT_EQ(inner->plane->point(), Vector3(2, 0, 0));
    EXPECT_EQ(inner->plane->normal(), kAxisX);
    EXPECT_EQ(inner->front, front);
    EXPECT_EQ(inner->back, back);
    EXPECT_EQ(front.useCount(), 2);
}

TEST(Combine, TwoEmptySidesGiveAnEmptyNodeAndKeepTheCounter) {
    std::int32_t counter = 5;
    const SharedPtr<BspNode> joined = combine(kPlaneX1, counter, {}, {});
    EXPECT_FALSE(joined);
    EXPECT_EQ(counter, 5);
}

TEST(Combine, OneEmptySidePassesTheOtherThroughUnchanged) {
    std::int32_t counter = 5;
    const SharedPtr<BspNode> leaf = leafWith({marker()}, 0);
    EXPECT_EQ(combine(kPlaneX1, counter, leaf, {}), leaf);
    EXPECT_EQ(combine(kPlaneX1, counter, {}, leaf), leaf);
    EXPECT_EQ(counter, 5);
    EXPECT_EQ(leaf.useCount(), 1) << "no node was made that could hold a reference";
}

TEST(Combine, TwoSidesMakeANodeNumberedByTheCounter) {
    std::int32_t counter = 5;
    const SharedPtr<BspNode> front = leafWith({marker()}, 0);
    const SharedPtr<BspNode> back = leafWith({marker()}, 1);
    const SharedPtr<BspNode> joined = combine(kPlaneX1, counter, front, back);
    ASSERT_TRUE(joined);
    EXPECT_EQ(counter, 6);
    EXPECT_EQ(joined->id, 5);
    EXPECT_EQ(joined->cell, 5);
    EXPECT_EQ(joined->front, front);
    EXPECT_EQ(joined->back, back);
}

TEST(FindLeaf, DescendsBySignedDistanceAndTakesFrontOnThePlane) {
    const SharedPtr<BspNode> front = leafWith({marker()}, 0);
    const SharedPtr<BspNode> back = leafWith({marker()}, 1);
    std::int32_t counter = 2;
    const BspTree tree(combine(kPlaneX1, counter, front, back));
    EXPECT_EQ(tree.findLeaf({3, 0, 0}), front);
    EXPECT_EQ(tree.findLeaf({0.5f, 9, 9}), back);
    EXPECT_EQ(tree.findLeaf({1, -4, 2}), front);
}

TEST(FindLeaf, EveryCellCentreOfARoomGridFindsItsOwnLeaf) {
    const test::RoomGrid grid = test::makeRoomGrid(4, 0.5, 11);
    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 4; ++y) {
            for (int z = 0; z < 4; ++z) {
                if (!grid.isRoom(x, y, z)) {
                    continue;
                }
                const Vector3 centre(x + 0.5f, y + 0.5f, z + 0.5f);
                const SharedPtr<BspNode> leaf = grid.tree->findLeaf(centre);
                ASSERT_TRUE(leaf);
                ASSERT_EQ(leaf->meshes.size(), 1u);
                EXPECT_EQ(leaf->meshes[0].get(),
                          grid.rooms[static_cast<std::size_t>(grid.index(x, y, z))].get());
            }
        }
    }
}

TEST(FindLeaf, EmptyTreeOrMissingChildGivesNoLeaf) {
    EXPECT_FALSE(BspTree(SharedPtr<BspNode>()).findLeaf({0, 0, 0}));
    // An inner node made by hand with one child missing.
    const BspTree lopsided(makeInner(kPlaneX1, leafWith({marker()}, 0), {}, 1, 1));
    EXPECT_TRUE(lopsided.findLeaf({2, 0, 0}));
    EXPECT_FALSE(lopsided.findLeaf({0, 0, 0}));
}

TEST(BspTree, RootIsANewReference) {
    const BspTree tree(leafWith({marker()}, 0));
    const SharedPtr<BspNode> root = tree.root();
    EXPECT_EQ(root.useCount(), 2);
}

TEST(IsVisible, WithoutATableEveryPairIsVisible) {
    const BspTree tree(leafWith({marker()}, 0));
    EXPECT_FALSE(tree.hasVisibility());
    EXPECT_TRUE(tree.isVisible(-1, 3));
    EXPECT_TRUE(tree.isVisible(5, 5));
}

TEST(IsVisible, ReadsBitsLeastSignificantFirstOneRowPerCell) {
    BspTree tree(leafWith({marker()}, 0));
    // 10 cells, 2 bytes per row. Row 1: cells 0 and 9 visible; row 2: cell 3 visible.
    std::vector<std::uint8_t> table(20, 0);
    table[2] = 0x01;
    table[3] = 0x02;
    table[4] = 0x08;
    tree.setVisibility(table, 2);
    EXPECT_TRUE(tree.isVisible(1, 0));
    EXPECT_TRUE(tree.isVisible(1, 9));
    EXPECT_FALSE(tree.isVisible(1, 8));
    EXPECT_TRUE(tree.isVisible(2, 3));
    EXPECT_FALSE(tree.isVisible(3, 2));
    EXPECT_FALSE(tree.isVisible(-1, 3));
    EXPECT_FALSE(tree.isVisible(3, -1));
}

TEST(IsVisible, CellsOutsideTheTableAreNotVisible) {
    BspTree tree(leafWith({marker()}, 0));
    tree.setVisibility(std::vector<std::uint8_t>(4, 0xFF), 2);
    EXPECT_TRUE(tree.isVisible(1, 15));
    EXPECT_FALSE(tree.isVisible(1, 16)) << "beyond the row";
    EXPECT_FALSE(tree.isVisible(2, 0)) << "beyond the table";
}

TEST(TreeLifetime, ReleasingTheTreeKeepsMeshesListedForDrawing) {
    std::vector<SharedPtr<Geometry>> drawList;
    Geometry* listed = nullptr;
    {
        SharedPtr<BspTree> tree = makeShared<BspTree>(leafWith({marker()}, 0));
        collectDrawList(*tree, drawList, tree->root(), {0, 0, 0}, false, -1);
        ASSERT_EQ(drawList.size(), 1u);
        listed = drawList[0].get();
        EXPECT_EQ(drawList[0].useCount(), 2);
    }
    ASSERT_EQ(drawList[0].get(), listed);
    EXPECT_EQ(drawList[0].useCount(), 1);
    EXPECT_EQ(drawList[0]->vertices().size(), 3u); // still a whole mesh
    drawList.clear();
}

TEST(TreeLifetime, ReleasingTheTreeReleasesEveryLeafsMeshes) {
    SharedPtr<Geometry> room;
    {
        const test::RoomGrid grid = test::makeRoomGrid(4, 0.6, 3);
        ASSERT_FALSE(grid.all.empty());
        room = grid.all.front();
        EXPECT_EQ(room.useCount(), 4); // grid.rooms, grid.all, its leaf and here
    }
    EXPECT_EQ(room.useCount(), 1);
}

} // namespace
} // namespace trovane
