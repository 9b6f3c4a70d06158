#include "bsp/Collision.h"
#include "bsp/BspNode.h"
#include "bsp/BspTree.h"
#include "math/Constants.h"

#include "tests/bsp/RoomGrid.h"
#include "tests/bsp/TreeSupport.h"
#include "tests/math/Printers.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

namespace trovane {
namespace {

using test::leafWith;

// A square wall in the plane x = a, spanning y and z from -5 to 5, normal +x.
SharedPtr<Geometry> wallAtX(float a) {
    VertexList v;
    for (Vector3 p : {Vector3(a, -5, -5), Vector3(a, 5, -5), Vector3(a, 5, 5), Vector3(a, 5, 5),
                      Vector3(a, -5, 5), Vector3(a, -5, -5)}) {
        v.emplace_back(p, kAxisX, Color{}, TexCoord{});
    }
    return makeShared<Mesh>(v, PrimitiveKind::TriangleList);
}

// Walls at x = 0.5 (back leaf, x < 1) and x = 1.5 and 3.5 (front leaf), split at x = 1.
class Corridor : public ::testing::Test {
protected:
    SharedPtr<Geometry> near = wallAtX(0.5f);
    SharedPtr<Geometry> middle = wallAtX(1.5f);
    SharedPtr<Geometry> far = wallAtX(3.5f);
    std::int32_t counter = 2;
    BspTree tree{combine(Plane({1, 0, 0}, kAxisX), counter, leafWith({far, middle}, 0),
                         leafWith({near}, 1))};
};

TEST_F(Corridor, SegmentCrossingTwoWallsReturnsTheNearerWithDistanceFromTheStart) {
    const HitRecord h = collide(tree, {1.25f, 0, 0}, {4, 0, 0}, 0.0f);
    EXPECT_EQ(h.geometry(), middle.get());
    EXPECT_EQ(h.point, Vector3(1.5f, 0, 0));
    EXPECT_FLOAT_EQ(h.distance, 0.25f);
    EXPECT_FLOAT_EQ(h.normal.x, -1.0f) << "turned to face the segment";

    // Starting in the back leaf: the wall is found in the second piece, which starts on the
    // plane, but the distance is still measured from the query start.
    const HitRecord g = collide(tree, {0.75f, 0, 0}, {4, 0, 0}, 0.0f);
    EXPECT_EQ(g.geometry(), middle.get());
    EXPECT_FLOAT_EQ(g.distance, 0.75f);
    EXPECT_EQ(g.ray.origin, Vector3(1, 0, 0)) << "the ray is that of the piece";
    EXPECT_FLOAT_EQ(g.ray.t, 0.5f);
}

TEST_F(Corridor, NearSideIsVisitedFirstGoingEitherWay) {
    EXPECT_EQ(collide(tree, {4, 0, 0}, {0, 0, 0}, 0.0f).geometry(), far.get());
    EXPECT_EQ(collide(tree, {3, 0, 0}, {0, 0, 0}, 0.0f).geometry(), middle.get());
    EXPECT_EQ(collide(tree, {1.25f, 0, 0}, {0, 0, 0}, 0.0f).geometry(), near.get());
}

TEST_F(Corridor, HitExactlyAtTheSegmentEndCounts) {
    const HitRecord h = collide(tree, {2.5f, 0, 0}, {3.5f, 0, 0}, 0.0f);
    EXPECT_EQ(h.geometry(), far.get());
    EXPECT_EQ(h.distance, 1.0f);
    EXPECT_EQ(collide(tree, {2.5f, 0, 0}, {3.25f, 0, 0}, 0.0f).hit, 0u);
}

TEST_F(Corridor, ZeroLengthSegmentMisses) {
    const HitRecord h = collide(tree, {1.5f, 0, 0}, {1.5f, 0, 0}, 0.0f);
    EXPECT_EQ(h.hit, 0u);
    EXPECT_EQ(h.geometry(), nullptr);
    EXPECT_EQ(h.distance, kInfinity);
}

TEST_F(Corridor, MissRecordCarriesTheSegmentDirection) {
    const HitRecord h = collide(tree, {2, 0, 0}, {2, 0, 3}, 0.0f);
    EXPECT_EQ(h.hit, 0u);
    EXPECT_EQ(h.ray.origin, Vector3(2, 0, 0));
    EXPECT_EQ(h.ray.direction, kAxisZ);
    EXPECT_EQ(h.ray.t, kInfinity);
    EXPECT_EQ(h.normal, kAxisZ);
    EXPECT_EQ(h.distance, kInfinity);
}

TEST_F(Corridor, SegmentStartingOnThePlaneRunningBackCrossesIt) {
    // d1 = 0 is not negative, so the front piece is the single start point.
    std::vector<HitRecord> hits;
    segmentQuery(tree.root(), {1, 0, 0}, {0, 0, 0}, 0.0f, true, hits);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(reinterpret_cast<const Geometry*>(hits[0].hit), near.get());
    EXPECT_EQ(hits[0].ray.origin, Vector3(1, 0, 0));
}

TEST_F(Corridor, WithoutFirstOnlyEveryLeafAnswersNearestFirst) {
    std::vector<HitRecord> hits;
    segmentQuery(tree.root(), {0, 0, 0}, {4, 0, 0}, 0.0f, false, hits);
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_EQ(hits[0].hit, reinterpret_cast<std::uintptr_t>(near.get()));
    EXPECT_EQ(hits[1].hit, reinterpret_cast<std::uintptr_t>(middle.get()));
    EXPECT_EQ(hits[2].hit, reinterpret_cast<std::uintptr_t>(far.get()));
    // Within the front piece the leaf stores far before middle, yet middle is nearer.
    EXPECT_LT(hits[1].distance, hits[2].distance);
}

TEST_F(Corridor, WithFirstOnlyLaterLeavesAreNotAsked) {
    std::vector<HitRecord> hits;
    segmentQuery(tree.root(), {0, 0, 0}, {4, 0, 0}, 0.0f, true, hits);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].hit, reinterpret_cast<std::uintptr_t>(near.get()));
}

TEST(Collide, LeafWithoutACellStillCollides) {
    const SharedPtr<Geometry> wall = wallAtX(2.0f);
    const BspTree tree(makeLeaf({wall}, 0, -1));
    EXPECT_EQ(collide(tree, {0, 0, 0}, {3, 0, 0}, 0.0f).geometry(), wall.get());
}

TEST(Collide, RadiusWidensTheLeavesVisited) {
    // The wall at x = 0.95 belongs to the back leaf, but the segment runs in front of the plane.
    const SharedPtr<Geometry> wall = wallAtX(0.95f);
    std::int32_t counter = 2;
    const BspTree tree(
        combine(Plane({1, 0, 0}, kAxisX), counter, leafWith({}, 0), leafWith({wall}, 1)));
    EXPECT_EQ(collide(tree, {1.05f, 0, 0}, {0.9f, 0, 0}, 0.0f).geometry(), wall.get());
    EXPECT_EQ(collide(tree, {1.05f, -1, 0}, {1.05f, 1, 0}, 0.0f).hit, 0u);
    // Parallel to the plane inside the slab: both sides are asked with the whole segment.
    std::vector<HitRecord> hits;
    segmentQuery(tree.root(), {1.05f, -1, 0}, {1.05f, 1, 0}, 0.1f, false, hits);
    EXPECT_TRUE(hits.empty()); // running parallel to the wall, it cannot hit it
}

TEST(Collide, EmptyTreeMisses) {
    const BspTree tree{SharedPtr<BspNode>()};
    EXPECT_EQ(collide(tree, {0, 0, 0}, {1, 0, 0}, 0.0f).hit, 0u);
}

// The first hit along a segment found by testing every mesh of the grid with the whole segment.
struct Reference {
    const Geometry* geometry = nullptr;
    float distance = kInfinity;
    Vector3 point;
    float runnerUp = kInfinity; // distance of the nearest hit on another mesh
};

Reference bruteForce(const test::RoomGrid& grid, Vector3 from, Vector3 to) {
    Reference best;
    if (from == to) {
        return best;
    }
    const Ray ray(from, normalised(to - from));
    const float segmentLength = length(to - from);
    for (const SharedPtr<Geometry>& mesh : grid.all) {
        const HitRecord h = mesh->intersect(ray);
        if (!h.isHit() || h.distance > segmentLength) {
            continue;
        }
        if (h.distance < best.distance) {
            best.runnerUp = best.distance;
            best = {mesh.get(), h.distance, h.point, best.runnerUp};
        } else if (h.distance < best.runnerUp) {
            best.runnerUp = h.distance;
        }
    }
    return best;
}

// Random segments with the kinds of ends a flying camera and bombs produce: anywhere, exactly on
// cell boundaries (the splitting planes), and exactly on a wall.
class SegmentGenerator {
public:
    explicit SegmentGenerator(const test::RoomGrid& grid, std::uint32_t seed)
        : grid_(grid), rng_(seed) {}

    std::pair<Vector3, Vector3> next(int trial) {
        Vector3 from = anyPoint();
        Vector3 to = from + direction() * length_(rng_);
        switch (trial % 4) {
        case 1: // start on a splitting plane
            from = onCellBoundary(from);
            break;
        case 2: // end on a wall
            to = onWall();
            break;
        case 3: // both
            from = onCellBoundary(from);
            to = onWall();
            break;
        default:
            break;
        }
        return {from, to};
    }

private:
    Vector3 anyPoint() {
        std::uniform_real_distribution<float> c(-0.5f, grid_.size + 0.5f);
        return {c(rng_), c(rng_), c(rng_)};
    }
    Vector3 direction() {
        std::normal_distribution<float> n;
        return normalised(Vector3(n(rng_), n(rng_), n(rng_)));
    }
    Vector3 onCellBoundary(Vector3 p) {
        std::uniform_int_distribution<int> axis(0, 2);
        std::uniform_int_distribution<int> plane(0, grid_.size);
        const auto at = static_cast<float>(plane(rng_));
        switch (axis(rng_)) {
        case 0:
            return {at, p.y, p.z};
        case 1:
            return {p.x, at, p.z};
        default:
            return {p.x, p.y, at};
        }
    }
    // A point on a randomly chosen wall triangle of a random room (it may lie in a door frame).
    Vector3 onWall() {
        std::uniform_int_distribution<std::size_t> room(0, grid_.all.size() - 1);
        const std::vector<Vertex> v = grid_.all[room(rng_)]->vertices();
        std::uniform_int_distribution<std::size_t> triangle(0, v.size() / 3 - 1);
        const std::size_t t = 3 * triangle(rng_);
        std::uniform_real_distribution<float> w(0.0f, 1.0f);
        float a = w(rng_);
        float b = w(rng_);
        if (a + b > 1.0f) {
            a = 1.0f - a;
            b = 1.0f - b;
        }
        return v[t].position + (v[t + 1].position - v[t].position) * a +
               (v[t + 2].position - v[t].position) * b;
    }

    const test::RoomGrid& grid_;
    std::mt19937 rng_;
    std::uniform_real_distribution<float> length_{0.0f, 6.0f};
};

TEST(CollideProperty, FirstHitEqualsTestingEveryMeshOfTheTree) {
    const test::RoomGrid grid = test::makeRoomGrid(8, 0.43, 77);
    ASSERT_GT(grid.all.size(), 150u);
    SegmentGenerator segments(grid, 4242);
    int hits = 0;
    int ambiguousEnds = 0;
    constexpr int kTrials = 4000;
    for (int trial = 0; trial < kTrials; ++trial) {
        const auto [from, to] = segments.next(trial);
        const Reference expected = bruteForce(grid, from, to);
        const HitRecord actual = collide(*grid.tree, from, to, 0.0f);
        const float segmentLength = length(to - from);
        SCOPED_TRACE(::testing::Message()
                     << "trial " << trial << " from " << from.x << "," << from.y << "," << from.z
                     << " to " << to.x << "," << to.y << "," << to.z);
        // The tree measures each piece from its own start, so a hit at the very end of the
        // segment may fall either side of it by a rounding step.
        const float endSlack = 1e-5f * std::max(1.0f, segmentLength);
        if (expected.geometry == nullptr || actual.geometry() == nullptr) {
            const float hitDistance =
                expected.geometry != nullptr ? expected.distance : actual.distance;
            if (expected.geometry != actual.geometry()) {
                ASSERT_NEAR(hitDistance, segmentLength, endSlack);
                ++ambiguousEnds;
            }
            continue;
        }
        ++hits;
        ASSERT_NEAR(actual.distance, expected.distance, 1e-4f);
        ASSERT_NEAR(actual.point.x, expected.point.x, 1e-4f);
        ASSERT_NEAR(actual.point.y, expected.point.y, 1e-4f);
        ASSERT_NEAR(actual.point.z, expected.point.z, 1e-4f);
        if (expected.runnerUp - expected.distance > 1e-4f) {
            ASSERT_EQ(actual.geometry(), expected.geometry);
        }
        ASSERT_LE(dot(actual.normal, to - from), 0.0f) << "the normal faces the segment";
    }
    EXPECT_GT(hits, kTrials / 3);
    EXPECT_LT(ambiguousEnds, kTrials / 100);
}

} // namespace
} // namespace trovane
