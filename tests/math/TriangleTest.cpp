#include "math/Triangle.h"
#include "math/Constants.h"
#include "tests/math/Printers.h"

#include <cmath>

#include <gtest/gtest.h>

namespace trovane {
namespace {

Vertex at(Vector3 p, Vector3 n = kAxisZ) {
    return Vertex(p, n, Color{}, TexCoord{});
}

// The unit right triangle in the plane z = 0; u runs along x and v along y.
Triangle unitTriangle(Vector3 nA = kAxisZ, Vector3 nB = kAxisZ, Vector3 nC = kAxisZ) {
    return Triangle(at({0, 0, 0}, nA), at({1, 0, 0}, nB), at({0, 1, 0}, nC));
}

TEST(Smoothstep, ClampsAndEasesBetweenZeroAndOne) {
    EXPECT_EQ(smoothstep(-0.5f), 0.0f);
    EXPECT_EQ(smoothstep(0.0f), 0.0f);
    EXPECT_EQ(smoothstep(0.5f), 0.5f);
    EXPECT_EQ(smoothstep(1.0f), 1.0f);
    EXPECT_EQ(smoothstep(2.0f), 1.0f);
    EXPECT_NEAR(smoothstep(1.0f / 3.0f), 0.259f, 5e-4f);
}

TEST(TriangleIntersect, HitsInsideWithTheDistanceAlongTheRay) {
    const HitRecord h = unitTriangle().intersect(Ray({0.25f, 0.25f, 2.0f}, -kAxisZ));
    EXPECT_EQ(h.hit, 1u);
    EXPECT_EQ(h.distance, 2.0f);
    EXPECT_EQ(h.ray.t, 2.0f);
    EXPECT_EQ(h.point, Vector3(0.25f, 0.25f, 0.0f));
}

TEST(TriangleIntersect, MissesOutsideTheEdges) {
    const Triangle t = unitTriangle();
    EXPECT_EQ(t.intersect(Ray({0.75f, 0.75f, 1.0f}, -kAxisZ)).hit, 0u);
    EXPECT_EQ(t.intersect(Ray({-0.25f, 0.25f, 1.0f}, -kAxisZ)).hit, 0u);
    EXPECT_EQ(t.intersect(Ray({0.25f, -0.25f, 1.0f}, -kAxisZ)).hit, 0u);
}

TEST(TriangleIntersect, ParallelRayMisses) {
    const HitRecord h = unitTriangle().intersect(Ray({0.2f, 0.2f, 0.0f}, kAxisX));
    EXPECT_EQ(h.hit, 0u);
    EXPECT_EQ(h.distance, kInfinity);
}

TEST(TriangleIntersect, RayStartingOnThePlaneOrMovingAwayMisses) {
    const Triangle t = unitTriangle();
    EXPECT_EQ(t.intersect(Ray({0.25f, 0.25f, 0.0f}, -kAxisZ)).hit, 0u);
    EXPECT_EQ(t.intersect(Ray({0.25f, 0.25f, 1.0f}, kAxisZ)).hit, 0u);
}

TEST(TriangleIntersect, VerticesAndEdgesCountAsInside) {
    const Triangle t = unitTriangle();
    EXPECT_EQ(t.intersect(Ray({1, 0, 1}, -kAxisZ)).hit, 1u); // u = 1, v = 0
    EXPECT_EQ(t.intersect(Ray({0, 1, 1}, -kAxisZ)).hit, 1u); // u = 0, v = 1
    EXPECT_EQ(t.intersect(Ray({0.5f, 0.5f, 1}, -kAxisZ)).hit, 1u);
}

TEST(TriangleIntersect, NormalFacesTheIncomingRayWhicheverTheWinding) {
    const Triangle t = unitTriangle();
    EXPECT_FLOAT_EQ(t.intersect(Ray({0.2f, 0.2f, 1}, -kAxisZ)).normal.z, 1.0f);
    EXPECT_FLOAT_EQ(t.intersect(Ray({0.2f, 0.2f, -1}, kAxisZ)).normal.z, -1.0f);
}

TEST(TriangleIntersect, NormalAtAVertexIsThatVertexsNormal) {
    const Vector3 nB = normalised(1.0f, 0.0f, 1.0f);
    const Triangle t = unitTriangle(kAxisX, nB, kAxisY);
    const HitRecord h = t.intersect(Ray({1, 0, -1}, kAxisZ));
    ASSERT_EQ(h.hit, 1u);
    // nB faces away from this ray, so it is turned round.
    EXPECT_NEAR(h.normal.x, -nB.x, 1e-6f);
    EXPECT_NEAR(h.normal.y, -nB.y, 1e-6f);
    EXPECT_NEAR(h.normal.z, -nB.z, 1e-6f);
}

TEST(TriangleIntersect, NormalBlendsWithSmoothedWeights) {
    // At the centre all three weights are w(1/3); a blend with plain weights 1/3 would give the
    // same direction, so use unequal normal lengths to tell the rules apart off-centre.
    const Triangle t = unitTriangle({2, 0, 0}, {0, 1, 0}, {0, 0, 1});
    const float u = 0.5f;
    const float v = 0.25f;
    const HitRecord h = t.intersect(Ray({u, v, 1}, -kAxisZ));
    ASSERT_EQ(h.hit, 1u);
    const Vector3 expected =
        normalised(Vector3(2, 0, 0) * smoothstep(1 - u - v) + Vector3(0, 1, 0) * smoothstep(u) +
                   Vector3(0, 0, 1) * smoothstep(v));
    EXPECT_NEAR(h.normal.x, expected.x, 1e-6f);
    EXPECT_NEAR(h.normal.y, expected.y, 1e-6f);
    EXPECT_NEAR(h.normal.z, expected.z, 1e-6f);
    const Vector3 plain =
        normalised(Vector3(2, 0, 0) * 0.25f + Vector3(0, 1, 0) * 0.5f + Vector3(0, 0, 1) * 0.25f);
    EXPECT_GT(std::fabs(h.normal.x - plain.x), 1e-2f);
}

TEST(TriangleIntersect, AtTheCentreEachWeightIsW13) {
    // The weights only show through the lengths of unnormalised vertex normals.
    const Triangle t = unitTriangle({3, 0, 0}, {0, 0, 0}, {0, 0, 1});
    const float third = 1.0f / 3.0f;
    const HitRecord h = t.intersect(Ray({third, third, 1}, -kAxisZ));
    ASSERT_EQ(h.hit, 1u);
    // Equal weights w cancel in the normalisation: (3w, 0, w) / |.| = (3, 0, 1) / sqrt(10).
    EXPECT_NEAR(h.normal.x, 3.0f / std::sqrt(10.0f), 1e-4f);
    EXPECT_NEAR(h.normal.z, 1.0f / std::sqrt(10.0f), 1e-4f);
}

TEST(Triangle, VerticesBoundsAndClassify) {
    const Triangle t(at({0, 0, 1}), at({2, -1, 1}), at({0, 3, 2}));
    ASSERT_EQ(t.vertices().size(), 3u);
    EXPECT_EQ(t.vertices()[1].position, Vector3(2, -1, 1));
    EXPECT_EQ(t.bounds().min, Vector3(0, -1, 1));
    EXPECT_EQ(t.bounds().max, Vector3(2, 3, 2));
    EXPECT_EQ(t.bounds().centre, Vector3(1, 1, 1.5f));
    EXPECT_TRUE(t.isSolid());

    const Plane z1({0, 0, 1}, kAxisZ);
    EXPECT_EQ(t.classify(z1, 0.0f), Side::Front); // touching at two vertices
    EXPECT_EQ(t.classify(z1, 2.0f), Side::Back);  // all below the tolerance
    EXPECT_EQ(t.classify(z1, 0.5f), Side::Spanning);
}

} // namespace
} // namespace trovane
