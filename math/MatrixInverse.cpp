#include "math/Matrix4.h"

#include <cmath>
#include <utility>

namespace trovane {

namespace {

using Values = std::array<float, 16>;

float& at(Values& v, int r, int c) {
    return v[static_cast<std::size_t>(4 * r + c)];
}

// Inverse of the rotation/scale block through cofactors, translation -(R^-1 t); unchanged when
// the determinant is exactly 0.
Matrix4 inverseAffine(const Matrix4& m) {
    const float det = m[0] * (m[5] * m[10] - m[6] * m[9]) - m[1] * (m[4] * m[10] - m[6] * m[8]) +
                      m[2] * (m[4] * m[9] - m[5] * m[8]);
    if (det == 0.0f) {
        return m;
    }
    const float k = 1.0f / det;
    Values r{};
    r[0] = (m[5] * m[10] - m[6] * m[9]) * k;
    r[1] = (m[2] * m[9] - m[1] * m[10]) * k;
    r[2] = (m[1] * m[6] - m[2] * m[5]) * k;
    r[4] = (m[6] * m[8] - m[4] * m[10]) * k;
    r[5] = (m[0] * m[10] - m[2] * m[8]) * k;
    r[6] = (m[2] * m[4] - m[0] * m[6]) * k;
    r[8] = (m[4] * m[9] - m[5] * m[8]) * k;
    r[9] = (m[1] * m[8] - m[0] * m[9]) * k;
    r[10] = (m[0] * m[5] - m[1] * m[4]) * k;
    r[3] = -(r[0] * m[3] + r[1] * m[7] + r[2] * m[11]);
    r[7] = -(r[4] * m[3] + r[5] * m[7] + r[6] * m[11]);
    r[11] = -(r[8] * m[3] + r[9] * m[7] + r[10] * m[11]);
    r[15] = 1.0f;
    return Matrix4(r, MatrixKind::Affine);
}

// Swaps rows r and s of a and of inv.
void swapRows(Values& a, Values& inv, int r, int s) {
    for (int c = 0; c < 4; ++c) {
        std::swap(at(a, r, c), at(a, s, c));
        std::swap(at(inv, r, c), at(inv, s, c));
    }
}

// The row from col on with the largest magnitude in column col (the first of equals, so col
// itself when nothing is larger).
int pivotRow(Values& a, int col) {
    int best = col;
    for (int r = col + 1; r < 4; ++r) {
        if (std::fabs(at(a, r, col)) > std::fabs(at(a, best, col))) {
            best = r;
        }
    }
    return best;
}

// Gauss-Jordan on a copy, column by column from 0 to 3, applied in parallel to the identity.
// Each column takes its largest remaining entry as pivot: without that exchange a tiny pivot
// (cos of a float quarter turn is 4e-8) wrecks the result, e.g. for rotations about a point.
// A singular matrix (a pivot exactly 0) comes back unchanged.
Matrix4 inverseGeneral(const Matrix4& m) {
    Values a = m.values();
    Values inv = Matrix4::identity().values();
    for (int col = 0; col < 4; ++col) {
        const int row = pivotRow(a, col);
        if (row != col) {
            swapRows(a, inv, col, row);
        }
        const float pivot = at(a, col, col);
        if (pivot == 0.0f) {
            return m;
        }
        for (int c = 0; c < 4; ++c) {
            at(a, col, c) /= pivot;
            at(inv, col, c) /= pivot;
        }
        for (int r = 0; r < 4; ++r) {
            if (r == col) {
                continue;
            }
            const float factor = at(a, r, col);
            for (int c = 0; c < 4; ++c) {
                at(a, r, c) -= factor * at(a, col, c);
                at(inv, r, c) -= factor * at(inv, col, c);
            }
        }
    }
    return Matrix4(inv, MatrixKind::General);
}

} // namespace

Matrix4 inverse(Matrix4 m) {
    switch (m.kind()) {
    case MatrixKind::Identity:
        return m;
    case MatrixKind::Scale:
        // A zero scale factor is singular like any other: the input comes back unchanged.
        if (m[0] == 0.0f || m[5] == 0.0f || m[10] == 0.0f) {
            return m;
        }
        return scaling({1.0f / m[0], 1.0f / m[5], 1.0f / m[10]});
    case MatrixKind::Translation:
        return translation({-m[3], -m[7], -m[11]});
    case MatrixKind::Affine:
        return inverseAffine(m);
    case MatrixKind::General:
        break;
    }
    return inverseGeneral(m);
}

} // namespace trovane
