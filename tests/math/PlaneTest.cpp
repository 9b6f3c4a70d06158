#include "math/Plane.h"
#include "math/Constants.h"
#include "math/Vertex.h"
#include "tests/math/Printers.h"

#include <vector>

#include <gtest/gtest.h>

namespace trovane {
namespace {

std::vector<Vertex> polygon(std::initializer_list<Vector3> points) {
    std::vector<Vertex> out;
    for (Vector3 p : points) {
        out.emplace_back(p, kAxisZ, Color{}, TexCoord{});
    }
    return out;
}

TEST(Plane, DefaultIsTheXYPlaneFacingPlusZ) {
    const Plane p;
    EXPECT_EQ(p.point(), kZeroVector);
    EXPECT_EQ(p.normal(), kAxisZ);
    EXPECT_EQ(p.distance(), 0.0f);
}

TEST(Plane, StoresTheNormalUnchangedAndItsDistance) {
    const Plane p({1, 2, 3}, {0, 2, 0});
    EXPECT_EQ(p.normal(), Vector3(0, 2, 0));
    EXPECT_EQ(p.distance(), 4.0f);
    EXPECT_EQ(p.signedDistance({0, 5, 0}), 6.0f);
}

TEST(PlaneClassify, PointSidesAgainstTheTolerance) {
    const Plane p({0, 0, 2}, kAxisZ);
    EXPECT_EQ(p.classify(Vector3(0, 0, 3), 0.0f), Side::Front);
    EXPECT_EQ(p.classify(Vector3(0, 0, 1), 0.0f), Side::Back);
    EXPECT_EQ(p.classify(Vector3(5, -7, 2), 0.0f), Side::OnPlane);
    // The tolerance moves the dividing value: below it is Back, equal is OnPlane.
    EXPECT_EQ(p.classify(Vector3(0, 0, 2.25f), 0.5f), Side::Back);
    EXPECT_EQ(p.classify(Vector3(0, 0, 2.5f), 0.5f), Side::OnPlane);
    EXPECT_EQ(p.classify(Vector3(0, 0, 2.75f), 0.5f), Side::Front);
}

TEST(PlaneClassify, PolygonRules) {
    const Plane p({0, 0, 0}, kAxisZ);
    EXPECT_EQ(p.classify(polygon({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})), Side::OnPlane);
    EXPECT_EQ(p.classify(polygon({{0, 0, 1}, {1, 0, 2}, {0, 1, 3}})), Side::Front);
    EXPECT_EQ(p.classify(polygon({{0, 0, -1}, {1, 0, -2}, {0, 1, -3}})), Side::Back);
    EXPECT_EQ(p.classify(polygon({{0, 0, 1}, {1, 0, -1}, {0, 1, 1}})), Side::Spanning);
}

TEST(PlaneClassify, PolygonTouchingThePlaneTakesTheSideOfItsOtherVertices) {
    const Plane p({0, 0, 0}, kAxisZ);
    EXPECT_EQ(p.classify(polygon({{0, 0, 0}, {1, 0, -1}, {0, 1, -2}})), Side::Back);
    EXPECT_EQ(p.classify(polygon({{0, 0, 1}, {1, 0, 0}, {0, 1, 0}})), Side::Front);
    EXPECT_EQ(p.classify(polygon({{0, 0, 0}, {1, 0, 1}, {0, 1, 0}, {1, 1, -1}})), Side::Spanning);
}

TEST(PlaneClassify, EmptyPolygonIsOnThePlane) {
    EXPECT_EQ(Plane().classify(std::vector<Vertex>{}), Side::OnPlane);
}

TEST(PlaneIntersect, HitsInFrontOfTheOriginWithThePlaneNormal) {
    const Plane p({0, 0, 5}, kAxisZ);
    const HitRecord h = p.intersect(Ray({1, 2, 0}, kAxisZ));
    EXPECT_EQ(h.hit, 1u);
    EXPECT_EQ(h.ray.t, 5.0f);
    EXPECT_EQ(h.distance, 5.0f);
    EXPECT_EQ(h.point, Vector3(1, 2, 5));
    EXPECT_EQ(h.normal, kAxisZ);

    // Coming from the other side the normal is still the plane's, not turned to the ray.
    const HitRecord back = p.intersect(Ray({0, 0, 10}, -kAxisZ));
    EXPECT_EQ(back.hit, 1u);
    EXPECT_EQ(back.normal, kAxisZ);
}

TEST(PlaneIntersect, MissesWhenParallelBehindOrStartingOnThePlane) {
    const Plane p({0, 0, 5}, kAxisZ);
    for (const Ray& ray :
         {Ray({0, 0, 0}, kAxisX), Ray({0, 0, 6}, kAxisZ), Ray({0, 0, 5}, kAxisZ)}) {
        const HitRecord h = p.intersect(ray);
        EXPECT_EQ(h.hit, 0u);
        EXPECT_EQ(h.ray.t, kInfinity);
        EXPECT_EQ(h.distance, kInfinity);
        EXPECT_EQ(h.normal, kAxisZ);
    }
}

} // namespace
} // namespace trovane
