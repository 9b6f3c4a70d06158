#include "math/Matrix4.h"

#include "tests/math/MatrixTestSupport.h"
#include "tests/math/Printers.h"

#include <string>
#include <tuple>

#include <gtest/gtest.h>

namespace trovane {
namespace {

using test::asGeneral;
using test::kAllKinds;
using test::randomMatrix;
using test::referenceProduct;

// The kind the product of two truthfully tagged matrices must carry.
MatrixKind expectedKind(MatrixKind a, MatrixKind b) {
    if (a == MatrixKind::Identity) {
        return b;
    }
    if (b == MatrixKind::Identity) {
        return a;
    }
    if (a == b && (a == MatrixKind::Scale || a == MatrixKind::Translation)) {
        return a;
    }
    return MatrixKind::General;
}

class MultiplyKinds : public ::testing::TestWithParam<std::tuple<MatrixKind, MatrixKind>> {};

TEST_P(MultiplyKinds, FastPathGivesTheValuesOfTheGeneralProduct) {
    const auto [kindA, kindB] = GetParam();
    std::mt19937 rng(1234);
    for (int trial = 0; trial < 200; ++trial) {
        const Matrix4 a = randomMatrix(kindA, rng);
        const Matrix4 b = randomMatrix(kindB, rng);
        const Matrix4 product = multiply(a, b);
        const std::array<float, 16> expected = referenceProduct(a, b);
        for (int i = 0; i < 16; ++i) {
            ASSERT_EQ(product[i], expected[static_cast<std::size_t>(i)]) << "element " << i;
        }
        // The untagged path must agree as well.
        EXPECT_EQ(multiply(asGeneral(a), asGeneral(b)).values(), product.values());
        EXPECT_EQ(product.kind(), expectedKind(kindA, kindB));
    }
}

INSTANTIATE_TEST_SUITE_P(AllPairs, MultiplyKinds,
                         ::testing::Combine(::testing::ValuesIn(kAllKinds),
                                            ::testing::ValuesIn(kAllKinds)),
                         [](const auto& info) {
                             return std::string(trovane::test::kindName(std::get<0>(info.param))) +
                                    "Then" + trovane::test::kindName(std::get<1>(info.param));
                         });

TEST(Multiply, IdentityOperandReturnsTheOtherWithItsOwnKind) {
    // Claiming less than the values have (General on an affine matrix) must survive.
    const Matrix4 affineValuesTaggedGeneral = asGeneral(translation({1, 2, 3}));
    EXPECT_EQ(multiply(Matrix4::identity(), affineValuesTaggedGeneral), affineValuesTaggedGeneral);
    EXPECT_EQ(multiply(affineValuesTaggedGeneral, Matrix4::identity()), affineValuesTaggedGeneral);
}

TEST(Multiply, TranslationsAddAndScalesMultiply) {
    const Matrix4 t = multiply(translation({1, 2, 3}), translation({10, 20, 30}));
    EXPECT_EQ(t, translation({11, 22, 33}));
    const Matrix4 s = multiply(scaling({2, 3, 4}), scaling({5, 6, 7}));
    EXPECT_EQ(s, scaling({10, 18, 28}));
}

TEST(Multiply, AppliesTheFirstOperandFirst) {
    // Scale by 2, then move by (1, 0, 0): the point 1 lands on 3, not on 4.
    const Matrix4 m = multiply(scaling({2, 2, 2}), translation({1, 0, 0}));
    EXPECT_EQ(transformPoint(m, {1, 0, 0}), Vector3(3, 0, 0));
    const Matrix4 n = multiply(translation({1, 0, 0}), scaling({2, 2, 2}));
    EXPECT_EQ(transformPoint(n, {1, 0, 0}), Vector3(4, 0, 0));
}

TEST(Multiply, ProductsOfAffineMatricesAreTaggedGeneralWithAnAffineBottomRow) {
    const Matrix4 m = multiply(rotationAxisAngle({0, 0, 1}, 0.3f), translation({1, 2, 3}));
    EXPECT_EQ(m.kind(), MatrixKind::General);
    EXPECT_EQ(m[12], 0.0f);
    EXPECT_EQ(m[13], 0.0f);
    EXPECT_EQ(m[14], 0.0f);
    EXPECT_EQ(m[15], 1.0f);
}

TEST(MatrixSet, WritingAnElementLowersTheTag) {
    Matrix4 m = translation({1, 2, 3});
    m.set(1, 0.5f);
    EXPECT_EQ(m.kind(), MatrixKind::Affine);
    m.set(14, 2.0f);
    EXPECT_EQ(m.kind(), MatrixKind::General);
    m.set(14, 0.0f);
    EXPECT_EQ(m.kind(), MatrixKind::General) << "a tag is never raised";

    Matrix4 identity;
    identity.set(0, 1.0f);
    EXPECT_EQ(identity.kind(), MatrixKind::Affine);
}

} // namespace
} // namespace trovane
