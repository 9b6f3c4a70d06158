// Matrices with truthful kind tags and random values, for the matrix tests.
#pragma once

#include "math/Matrix4.h"

#include <array>
#include <random>

namespace trovane::test {

inline constexpr std::array<MatrixKind, 5> kAllKinds{MatrixKind::General, MatrixKind::Identity,
                                                     MatrixKind::Affine, MatrixKind::Scale,
                                                     MatrixKind::Translation};

// A matrix whose values have exactly the structure its tag claims, and no more.
inline Matrix4 randomMatrix(MatrixKind kind, std::mt19937& rng) {
    std::uniform_real_distribution<float> value(-4.0f, 4.0f);
    std::array<float, 16> m = Matrix4::identity().values();
    switch (kind) {
    case MatrixKind::Identity:
        break;
    case MatrixKind::Scale:
        m[0] = value(rng);
        m[5] = value(rng);
        m[10] = value(rng);
        break;
    case MatrixKind::Translation:
        m[3] = value(rng);
        m[7] = value(rng);
        m[11] = value(rng);
        break;
    case MatrixKind::Affine:
        for (int i = 0; i < 12; ++i) {
            m[static_cast<std::size_t>(i)] = value(rng);
        }
        break;
    case MatrixKind::General:
        for (float& x : m) {
            x = value(rng);
        }
        break;
    }
    return Matrix4(m, kind);
}

// The same values tagged General, which is always truthful.
inline Matrix4 asGeneral(const Matrix4& m) {
    return Matrix4(m.values(), MatrixKind::General);
}

// Textbook product that applies a first and then b, summed in the order k = 0..3.
inline std::array<float, 16> referenceProduct(const Matrix4& a, const Matrix4& b) {
    std::array<float, 16> out{};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += b.at(r, k) * a.at(k, c);
            }
            out[static_cast<std::size_t>(4 * r + c)] = sum;
        }
    }
    return out;
}

// Readable name of a kind, for test and benchmark names.
inline const char* kindName(MatrixKind kind) {
    switch (kind) {
    case MatrixKind::General:
        return "General";
    case MatrixKind::Identity:
        return "Identity";
    case MatrixKind::Affine:
        return "Affine";
    case MatrixKind::Scale:
        return "Scale";
    case MatrixKind::Translation:
        return "Translation";
    }
    return "Unknown";
}

} // namespace trovane::test
