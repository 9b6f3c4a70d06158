// The draw list of the first station: kept while the eye stays in its leaf,
// rebuilt when it changes leaf, when the order is switched and when the
// station is replaced.
#include "app/frame/DrawListCache.h"

#include "FirstStation.h"
#include "world/StationRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace trovane {
namespace {

using test::firstStation;
using test::middleOf;

std::vector<const Mesh*> pointers(const DrawListCache& cache) {
    std::vector<const Mesh*> out;
    for (const SharedPtr<Mesh>& mesh : cache.meshes()) {
        out.push_back(mesh.get());
    }
    return out;
}

class DrawListOfTheFirstStation : public ::testing::Test {
protected:
    // The start room and the first room of the path, neighbours.
    Structure station = firstStation();
    Vector3 inStart = middleOf(station.start());
    Vector3 inNext = middleOf(station.path().at(1));
    DrawListCache cache;
};

TEST_F(DrawListOfTheFirstStation, FirstUpdateBuildsTheWholeListForTheEyesLeaf) {
    EXPECT_EQ(cache.lastLeaf(), -1);
    EXPECT_TRUE(cache.update(station.tree, inStart, false, false, false));
    EXPECT_EQ(cache.lastLeaf(), leafCellOf(*station.tree, inStart));
    EXPECT_EQ(cache.meshes().size(), 220u) << "one mesh per room of the first station";
    EXPECT_GE(cache.meshes().capacity(), DrawListCache::kReserved);
    EXPECT_TRUE(std::all_of(cache.meshes().begin(), cache.meshes().end(),
                            [](const SharedPtr<Mesh>& m) { return bool(m); }));
}

TEST_F(DrawListOfTheFirstStation, MovingInsideTheLeafKeepsTheList) {
    cache.update(station.tree, inStart, false, false, false);
    const std::vector<const Mesh*> before = pointers(cache);
    const Vector3 nearby = inStart + Vector3(0.3f, -0.2f, 0.1f);
    ASSERT_EQ(leafCellOf(*station.tree, nearby), cache.lastLeaf());
    EXPECT_FALSE(cache.update(station.tree, nearby, false, false, false));
    EXPECT_EQ(pointers(cache), before);
}

TEST_F(DrawListOfTheFirstStation, EnteringAnotherLeafRebuilds) {
    cache.update(station.tree, inStart, false, false, false);
    const std::int32_t startLeaf = cache.lastLeaf();
    EXPECT_TRUE(cache.update(station.tree, inNext, false, false, false));
    EXPECT_NE(cache.lastLeaf(), startLeaf);
    EXPECT_EQ(cache.lastLeaf(), leafCellOf(*station.tree, inNext));
}

TEST_F(DrawListOfTheFirstStation, SwitchingTheOrderRebuildsAtOnceReversed) {
    cache.update(station.tree, inStart, false, false, false);
    std::vector<const Mesh*> backToFront = pointers(cache);
    EXPECT_TRUE(cache.update(station.tree, inStart, true, true, false));
    std::reverse(backToFront.begin(), backToFront.end());
    EXPECT_EQ(pointers(cache), backToFront) << "one mesh per leaf: the leaf order reverses";
}

TEST_F(DrawListOfTheFirstStation, ANewStationRebuildsFromItsTree) {
    cache.update(station.tree, inStart, false, false, false);
    Structure next = [] {
        StationRandomScope sequence(12345u);
        return Structure(nullptr);
    }();
    // Flagged as regenerated: rebuilt even if the leaf's cell number matches.
    EXPECT_TRUE(cache.update(next.tree, inStart, false, false, true));
    DrawListCache fresh;
    fresh.update(next.tree, inStart, false, false, false);
    EXPECT_EQ(pointers(cache), pointers(fresh));
    EXPECT_FALSE(cache.update(next.tree, inStart, false, false, false));
}

TEST_F(DrawListOfTheFirstStation, AnotherTreeRebuildsEvenWithoutTheFlag) {
    cache.update(station.tree, inStart, false, false, false);
    const Structure copy = [] {
        StationRandomScope sequence;
        return Structure(nullptr);
    }();
    ASSERT_EQ(leafCellOf(*copy.tree, inStart), cache.lastLeaf()) << "same layout, other tree";
    EXPECT_TRUE(cache.update(copy.tree, inStart, false, false, false));
}

TEST_F(DrawListOfTheFirstStation, ListedMeshesOutliveTheirStation) {
    {
        Structure gone = firstStation();
        cache.update(gone.tree, inStart, false, false, false);
    }
    ASSERT_FALSE(cache.meshes().empty());
    EXPECT_EQ(cache.meshes().front()->drawOrder().size(),
              cache.meshes().front()->vertexList()->size());
}

TEST(DrawListCache, WithoutATreeTheListIsEmpty) {
    DrawListCache cache;
    EXPECT_TRUE(cache.update(SharedPtr<BspTree>(), {1, 2, 3}, false, false, false));
    EXPECT_TRUE(cache.meshes().empty());
    EXPECT_EQ(cache.lastLeaf(), 0);
}

} // namespace
} // namespace trovane
