#include "math/Constants.h"
#include "math/Vector3.h"
#include "tests/math/Printers.h"

#include <cmath>

#include <gtest/gtest.h>

namespace trovane {
namespace {

TEST(Vector3, CrossFollowsTheRightHandRule) {
    EXPECT_EQ(cross(kAxisX, kAxisY), kAxisZ);
    EXPECT_EQ(cross(kAxisY, kAxisZ), kAxisX);
    EXPECT_EQ(cross(kAxisZ, kAxisX), kAxisY);
    EXPECT_EQ(cross(Vector3(1, 2, 3), Vector3(4, 5, 6)), Vector3(-3, 6, -3));
}

TEST(Vector3, DotLengthAndDistance) {
    EXPECT_EQ(dot(Vector3(1, 2, 3), Vector3(4, -5, 6)), 12.0f);
    EXPECT_EQ(length(Vector3(3, 4, 12)), 13.0f);
    EXPECT_EQ(distance(Vector3(1, 1, 1), Vector3(4, 5, 1)), 5.0f);
}

TEST(Vector3, DivisionScalesEachComponent) {
    EXPECT_EQ(Vector3(2.0f, -4.0f, 7.0f) / 2.0f, Vector3(1.0f, -2.0f, 3.5f));
    const Vector3 third = Vector3(1.0f, 2.0f, 7.0f) / 3.0f;
    EXPECT_FLOAT_EQ(third.x, 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(third.y, 2.0f / 3.0f);
    EXPECT_FLOAT_EQ(third.z, 7.0f / 3.0f);
}

TEST(Vector3, NormalisedHasUnitLengthAndKeepsDirection) {
    const Vector3 n = normalised(Vector3(0.0f, 3.0f, 4.0f));
    EXPECT_FLOAT_EQ(length(n), 1.0f);
    EXPECT_FLOAT_EQ(n.y, 0.6f);
    EXPECT_FLOAT_EQ(n.z, 0.8f);
    EXPECT_EQ(normalised(0.0f, 3.0f, 4.0f), n);

    Vector3 inPlace(0.0f, 3.0f, 4.0f);
    inPlace.normalise();
    EXPECT_EQ(inPlace, n);
}

TEST(Vector3, NormalisingZeroGivesNonFiniteComponents) {
    const Vector3 n = normalised(kZeroVector);
    EXPECT_FALSE(std::isfinite(n.x));
}

TEST(Vector3, DivideByWSkipsExactlyOne) {
    const Vector3 v(0.1f, 0.2f, 0.3f);
    EXPECT_EQ(divideByW(v, 1.0f), v);
    EXPECT_EQ(divideByW(v, 2.0f), Vector3(0.05f, 0.1f, 0.15f));
}

TEST(Vector3, ReflectMirrorsAtAUnitNormal) {
    EXPECT_EQ(reflect(Vector3(1, -1, 0), kAxisY), Vector3(1, 1, 0));
    EXPECT_EQ(reflect(Vector3(0, 0, 2), kAxisZ), Vector3(0, 0, -2));
    EXPECT_EQ(reflect(Vector3(3, 0, 0), kAxisY), Vector3(3, 0, 0));
}

TEST(Constants, AngleFactorsAreReciprocal) {
    EXPECT_NEAR(kDegreesToRadians * kRadiansToDegrees, 1.0f, 1e-6f);
    EXPECT_NEAR(180.0f * kDegreesToRadians, kPi, 1e-6f);
}

} // namespace
} // namespace trovane
