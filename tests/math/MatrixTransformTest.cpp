#include "math/Constants.h"
#include "math/Matrix4.h"

#include "tests/math/MatrixTestSupport.h"
#include "tests/math/Printers.h"

#include <cmath>

#include <gtest/gtest.h>

namespace trovane {
namespace {

void expectNear(Vector3 actual, Vector3 expected, float tolerance = 1e-6f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(TransformPoint, UsesRowsAsOutputsAndTheLastColumnAsOffset) {
    const Matrix4 m({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 0, 0, 1}, MatrixKind::Affine);
    EXPECT_EQ(transformPoint(m, {1, 1, 1}), Vector3(10, 26, 42));
    EXPECT_EQ(transformPoint(translation({1, 2, 3}), {1, 1, 1}), Vector3(2, 3, 4));
}

TEST(TransformPoint, IdentityReturnsThePointUnchanged) {
    const Vector3 p(kInfinity, -0.0f, 3.0f); // inf * 0 would turn into NaN if computed
    const Vector3 q = transformPoint(Matrix4::identity(), p);
    EXPECT_EQ(q.x, kInfinity);
    EXPECT_TRUE(std::signbit(q.y));
}

TEST(TransformPointProjective, GeneralMatrixDividesByW) {
    const Matrix4 m({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 1, 1}, MatrixKind::General);
    EXPECT_EQ(transformPointProjective(m, {2, 4, 3}), Vector3(0.5f, 1.0f, 0.75f));
}

TEST(TransformPointProjective, GeneralMatrixWithZeroWGivesTheOrigin) {
    const Matrix4 m({1, 0, 0, 5, 0, 1, 0, 5, 0, 0, 1, 5, 0, 0, 1, 0}, MatrixKind::General);
    EXPECT_EQ(transformPointProjective(m, {1, 2, 0}), kZeroVector);
}

TEST(TransformPointProjective, OtherKindsNeverDivide) {
    // The tag is what counts: a bottom row that would give w = 2 is not even read.
    const Matrix4 m({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2}, MatrixKind::Affine);
    EXPECT_EQ(transformPointProjective(m, {2, 4, 6}), Vector3(2, 4, 6));
}

TEST(TransformPointProjective, ProductOfAffineMatricesDividesByExactlyOne) {
    const Matrix4 m = multiply(rotationAxisAngle(kAxisZ, 0.7f), translation({0.1f, 0.2f, 0.3f}));
    ASSERT_EQ(m.kind(), MatrixKind::General);
    const Vector3 p(1.3f, -2.1f, 0.9f);
    EXPECT_EQ(transformPointProjective(m, p), transformPoint(m, p));
}

TEST(Transpose, SwapsRowsAndColumnsAndTagsGeneral) {
    const Matrix4 t = transpose(translation({1, 2, 3}));
    EXPECT_EQ(t.kind(), MatrixKind::General);
    EXPECT_EQ(t[12], 1.0f);
    EXPECT_EQ(t[13], 2.0f);
    EXPECT_EQ(t[14], 3.0f);
    EXPECT_EQ(t[3], 0.0f);
}

TEST(Translation, PutsTheOffsetInTheLastColumn) {
    const Matrix4 t = translation({1, 2, 3});
    EXPECT_EQ(t.kind(), MatrixKind::Translation);
    EXPECT_EQ(t[3], 1.0f);
    EXPECT_EQ(t[7], 2.0f);
    EXPECT_EQ(t[11], 3.0f);
}

TEST(RotationAxisAngle, QuarterTurnsFollowTheRightHandRule) {
    const Matrix4 rz = rotationAxisAngle(kAxisZ, kPi / 2);
    EXPECT_EQ(rz.kind(), MatrixKind::Affine);
    expectNear(transformPoint(rz, kAxisX), kAxisY);
    expectNear(transformPoint(rotationAxisAngle(kAxisX, kPi / 2), kAxisY), kAxisZ);
    expectNear(transformPoint(rotationAxisAngle(kAxisY, kPi / 2), kAxisZ), kAxisX);
}

TEST(RotationAxisAngle, KeepsPointsOnTheAxisAndLengths) {
    const Vector3 axis = normalised(1.0f, 1.0f, 1.0f);
    const Matrix4 r = rotationAxisAngle(axis, 2.0f);
    expectNear(transformPoint(r, axis * 3.0f), axis * 3.0f, 1e-5f);
    EXPECT_NEAR(length(transformPoint(r, {1, -2, 0.5f})), length(Vector3(1, -2, 0.5f)), 1e-5f);
}

TEST(RotationAboutPoint, TurnsAboutTheAxisThroughTheCentre) {
    const Vector3 centre(4, 1, 2);
    const Matrix4 m = rotationAboutPoint(centre, kAxisY, kPi / 2);
    EXPECT_EQ(m.kind(), MatrixKind::General);
    expectNear(transformPoint(m, centre), centre);
    expectNear(transformPoint(m, centre + kAxisZ), centre + kAxisX, 1e-5f);
    expectNear(transformPoint(m, centre + kAxisY * 2.0f), centre + kAxisY * 2.0f, 1e-5f);
}

TEST(YawPitch, IsYawAfterPitchInMatrixAlgebra) {
    const float yaw = 0.8f;
    const float pitch = -0.4f;
    const Matrix4 o = yawPitch(yaw, pitch);
    EXPECT_EQ(o.kind(), MatrixKind::General);
    // R_y(yaw) x R_x(pitch): multiply applies its first operand first.
    const Matrix4 expected =
        multiply(rotationAxisAngle(kAxisX, pitch), rotationAxisAngle(kAxisY, yaw));
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(o[i], expected[i], 1e-6f) << "element " << i;
    }
}

TEST(YawPitch, YawTurnsTheViewDirectionAboutY) {
    const float yaw = 0.5f;
    expectNear(transformPoint(yawPitch(yaw, 0.0f), kAxisZ), {std::sin(yaw), 0, std::cos(yaw)});
    // Positive pitch about +X turns +Z towards -Y.
    expectNear(transformPoint(yawPitch(0.0f, 0.5f), kAxisZ), {0, -std::sin(0.5f), std::cos(0.5f)});
}

TEST(LookAt, OfTheProgramsOneUseIsMinusIdentityInTheUpperBlock) {
    const Matrix4 m = lookAt({0, 0, 0}, {0, 0, 1}, {0, 1, 0});
    EXPECT_EQ(m.kind(), MatrixKind::General);
    const std::array<float, 16> expected{-1, 0, 0, 0, 0, -1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(m[i], expected[static_cast<std::size_t>(i)]) << "element " << i;
    }
}

TEST(LookAt, StoresTheEyeOffsetInTheBottomRow) {
    const Vector3 eye(1, 2, 3);
    const Matrix4 m = lookAt(eye, eye + kAxisZ, kAxisY);
    // Axes s = (-1,0,0), u = (0,-1,0), b = (0,0,-1) as above, so the offsets are +eye.
    EXPECT_FLOAT_EQ(m[12], 1.0f);
    EXPECT_FLOAT_EQ(m[13], 2.0f);
    EXPECT_FLOAT_EQ(m[14], 3.0f);
}

} // namespace
} // namespace trovane
