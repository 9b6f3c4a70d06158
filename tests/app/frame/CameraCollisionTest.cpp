// The camera against the far wall of a room of the first station: when a
// probe runs, which way it looks, the push back to 0.2 and the sweep that
// stops long steps before the wall.
#include "app/frame/CameraCollision.h"

#include "FirstStation.h"
#include "bsp/Collision.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trovane {
namespace {

using test::firstStation;
using test::kFarWallZ;

TEST(CameraProbeRule, RunsOnlyWhenMovingOrTurning) {
    const Vector3 view{0, 0, 1};
    EXPECT_FALSE(cameraNeedsProbe({0, 0, 0}, view, view));
    EXPECT_TRUE(cameraNeedsProbe({0, 1e-6f, 0}, view, view));
    EXPECT_TRUE(cameraNeedsProbe({0, 0, 0}, view, {0, 1e-7f, 1}));
    EXPECT_TRUE(cameraNeedsProbe({0, 0, 0}, view, {0, 0, 0.9999999f}));
}

TEST(CameraProbeRule, LooksAlongTheMotionElseAlongTheView) {
    const Vector3 view{0, 0, 1};
    const Vector3 p = probeDirection({3, 0, 4}, view);
    EXPECT_FLOAT_EQ(p.x, 0.6f);
    EXPECT_FLOAT_EQ(p.z, 0.8f);
    EXPECT_EQ(probeDirection({0, 0, 0}, view), view);
}

class CameraAtTheFarWall : public ::testing::Test {
protected:
    void SetUp() override {
        std::optional<CellPosition> room = test::roomOnTheFarSide(station);
        ASSERT_TRUE(room);
        middle = test::middleOf(*room);
    }

    Vector3 outside(float distance) const { return {middle.x, middle.y, kFarWallZ + distance}; }

    Structure station = firstStation();
    Vector3 middle;
    const Vector3 towardsWall{0, 0, -1};
};

TEST_F(CameraAtTheFarWall, TouchingTheWallIsPushedBackToTwoTenths) {
    Vector3 position = outside(0.1f);
    const ProbeResult probe = probeAndPushBack(*station.tree, position, towardsWall);
    EXPECT_TRUE(probe.collided);
    EXPECT_NEAR(probe.hit.distance, 0.1f, 1e-5f);
    EXPECT_NEAR(probe.hit.point.z, kFarWallZ, 1e-5f);
    EXPECT_NEAR(position.z, kFarWallZ + kWallClearance, 1e-5f);
    EXPECT_EQ(position.x, middle.x);
}

TEST_F(CameraAtTheFarWall, FarEnoughIsLeftAlone) {
    Vector3 position = outside(0.5f);
    const ProbeResult probe = probeAndPushBack(*station.tree, position, towardsWall);
    EXPECT_FALSE(probe.collided);
    EXPECT_NEAR(probe.hit.distance, 0.5f, 1e-5f);
    EXPECT_EQ(position, outside(0.5f));
}

// Coming in at an angle the camera moves along the wall's normal, so that
// the wall is 0.2 away along the probe again.
TEST_F(CameraAtTheFarWall, SlantedApproachEndsTwoTenthsAlongTheProbe) {
    const Vector3 slant = normalised(Vector3(0.3f, 0.0f, -1.0f));
    Vector3 position = outside(0.1f);
    ASSERT_TRUE(probeAndPushBack(*station.tree, position, slant).collided);
    EXPECT_EQ(position.x, middle.x) << "pushed along the normal only";
    const HitRecord again = collide(*station.tree, position, position + slant * kProbeLength, 0);
    EXPECT_NEAR(again.distance, kWallClearance, 1e-5f);
}

TEST_F(CameraAtTheFarWall, NothingAheadIsAMissAtInfiniteDistance) {
    Vector3 position = outside(1.0f);
    const ProbeResult probe = probeAndPushBack(*station.tree, position, Vector3(0, 0, 1));
    EXPECT_FALSE(probe.collided);
    EXPECT_FALSE(probe.hit.isHit());
    EXPECT_TRUE(std::isinf(probe.hit.distance));
}

TEST_F(CameraAtTheFarWall, AStepThroughTheWallStopsBeforeIt) {
    const Vector3 stop = stopBeforeWall(*station.tree, outside(0.5f), outside(-0.5f));
    EXPECT_NEAR(stop.z, kFarWallZ + kWallClearance, 1e-5f);
}

TEST_F(CameraAtTheFarWall, AStepThatEndsBeforeTheWallIsKept) {
    EXPECT_EQ(stopBeforeWall(*station.tree, outside(0.5f), outside(0.1f)), outside(0.1f));
}

TEST_F(CameraAtTheFarWall, AStepFromInsideTheClearanceThroughTheWallStaysPut) {
    const Vector3 stop = stopBeforeWall(*station.tree, outside(0.1f), outside(-0.4f));
    EXPECT_EQ(stop, outside(0.1f));
}

} // namespace
} // namespace trovane
