#include "math/Constants.h"
#include "math/Matrix4.h"

#include "tests/math/MatrixTestSupport.h"
#include "tests/math/Printers.h"

#include <cmath>

#include <gtest/gtest.h>

namespace trovane {
namespace {

using test::kAllKinds;
using test::randomMatrix;

void expectNearIdentity(const Matrix4& m, float tolerance) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], i % 5 == 0 ? 1.0f : 0.0f, tolerance) << "element " << i;
    }
}

TEST(Inverse, TimesTheMatrixIsTheIdentityForEveryKind) {
    std::mt19937 rng(99);
    for (MatrixKind kind : kAllKinds) {
        for (int trial = 0; trial < 100; ++trial) {
            const Matrix4 m = randomMatrix(kind, rng);
            const Matrix4 inv = inverse(m);
            const float det = std::fabs(m[0] * m[5] * m[10]);
            if (det < 1e-2f && kind == MatrixKind::Scale) {
                continue; // a nearly singular scale loses precision, not correctness
            }
            SCOPED_TRACE(static_cast<int>(kind));
            expectNearIdentity(multiply(m, inv), 2e-3f);
            expectNearIdentity(multiply(inv, m), 2e-3f);
        }
    }
}

TEST(Inverse, KeepsTheKindOfStructuredMatrices) {
    EXPECT_EQ(inverse(Matrix4::identity()), Matrix4::identity());
    EXPECT_EQ(inverse(translation({1, -2, 3})), translation({-1, 2, -3}));
    EXPECT_EQ(inverse(scaling({2, 4, 0.5f})), scaling({0.5f, 0.25f, 2}));
    EXPECT_EQ(inverse(rotationAxisAngle(kAxisY, 0.4f)).kind(), MatrixKind::Affine);
    EXPECT_EQ(inverse(yawPitch(0.2f, 0.3f)).kind(), MatrixKind::General);
}

TEST(Inverse, OfARotationWithTranslationUndoesIt) {
    const Matrix4 r = rotationAxisAngle(normalised(1.0f, 2.0f, 2.0f), 1.1f);
    const Matrix4 rt(
        {r[0], r[1], r[2], 3.0f, r[4], r[5], r[6], -1.0f, r[8], r[9], r[10], 0.5f, 0, 0, 0, 1},
        MatrixKind::Affine);
    expectNearIdentity(multiply(inverse(rt), rt), 1e-6f);
    const Vector3 p(0.3f, -0.7f, 2.0f);
    const Vector3 back = transformPoint(inverse(rt), transformPoint(rt, p));
    EXPECT_NEAR(back.x, p.x, 1e-5f);
    EXPECT_NEAR(back.y, p.y, 1e-5f);
    EXPECT_NEAR(back.z, p.z, 1e-5f);
}

TEST(Inverse, OfQuarterTurnsAboutAPointIsAccurate) {
    // Such products are tagged General and have pivots as small as cos(pi/2) = -4e-8 in floats;
    // elimination must not divide by them.
    for (float angle : {kPi / 2, -kPi / 2, kPi, 3 * kPi / 2}) {
        for (Vector3 axis : {kAxisX, kAxisY, kAxisZ}) {
            const Matrix4 m = rotationAboutPoint({3.5f, 2.5f, 1.5f}, axis, angle);
            ASSERT_EQ(m.kind(), MatrixKind::General);
            expectNearIdentity(multiply(m, inverse(m)), 1e-5f);
        }
    }
}

TEST(Inverse, InvertsAnAxisPermutationTaggedGeneral) {
    // The first pivot is exactly 0 but the matrix is invertible (it is its own inverse).
    const Matrix4 swapXY({0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, MatrixKind::General);
    EXPECT_EQ(inverse(swapXY).values(), swapXY.values());
}

TEST(Inverse, SingularInputComesBackUnchanged) {
    const Matrix4 flatAffine({1, 2, 3, 4, 2, 4, 6, 5, 0, 0, 1, 6, 0, 0, 0, 1}, MatrixKind::Affine);
    EXPECT_EQ(inverse(flatAffine), flatAffine);

    const Matrix4 zeroColumn({0, 1, 2, 3, 0, 5, 6, 7, 0, 9, 10, 11, 0, 13, 14, 15},
                             MatrixKind::General);
    EXPECT_EQ(inverse(zeroColumn), zeroColumn);

    const Matrix4 repeatedRow({1, 2, 3, 4, 1, 2, 3, 4, 0, 1, 0, 0, 0, 0, 1, 0},
                              MatrixKind::General);
    EXPECT_EQ(inverse(repeatedRow), repeatedRow);

    const Matrix4 flatScale = scaling({2, 0, 1});
    EXPECT_EQ(inverse(flatScale), flatScale);
}

} // namespace
} // namespace trovane
