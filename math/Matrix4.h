// 4x4 matrix of 32-bit floats with a kind tag that lets products, inverses and transforms
// take short cuts.
//
// Storage is row by row: element (row r, column c) is number 4r + c. Points are column vectors
// multiplied on the right, so the translation of an affine matrix sits in elements 3, 7 and 11
// and its bottom row is (0, 0, 0, 1). The tag never claims more structure than the values have;
// General is always a truthful tag. The one exception to the layout is lookAt (see there).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "math/Vector3.h"

namespace trovane {

// What is known about a matrix's values.
enum class MatrixKind : std::int32_t {
    General = 0,     // nothing known; all 16 values are used
    Identity = 1,    // the identity matrix
    Affine = 2,      // bottom row is (0, 0, 0, 1)
    Scale = 3,       // only elements 0, 5, 10 may differ from the identity
    Translation = 4, // unit diagonal; only elements 3, 7, 11 may be non-zero off it
};

class Matrix4 {
public:
    // The identity, tagged Identity.
    constexpr Matrix4()
        : m_{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, kind_(MatrixKind::Identity) {}

    // Sixteen values in storage order and a tag the caller vouches for.
    constexpr Matrix4(const std::array<float, 16>& values, MatrixKind kind)
        : m_(values), kind_(kind) {}

    static constexpr Matrix4 identity() { return Matrix4(); }

    constexpr float operator[](int index) const { return m_[static_cast<std::size_t>(index)]; }
    constexpr float at(int row, int column) const { return (*this)[4 * row + column]; }
    constexpr MatrixKind kind() const { return kind_; }
    // The sixteen values in storage order, e.g. for handing to a graphics library.
    constexpr const float* data() const { return m_.data(); }
    constexpr const std::array<float, 16>& values() const { return m_; }

    // Writes one element and lowers the tag: Affine while the bottom row stays (0, 0, 0, 1),
    // else General.
    void set(int index, float value);

    friend constexpr bool operator==(const Matrix4&, const Matrix4&) = default;

private:
    std::array<float, 16> m_;
    MatrixKind kind_;
};

// The matrix that applies a first and then b: result[r][c] = sum over k of b[r][k] a[k][c].
// The tags select short cuts that give the same values as the general product.
Matrix4 multiply(Matrix4 a, Matrix4 b);

// The inverse by kind. A singular matrix (a zero scale factor, an Affine block with determinant
// exactly 0, a General matrix without a non-zero pivot) comes back unchanged.
Matrix4 inverse(Matrix4 m);

// The transposed matrix, tagged General.
Matrix4 transpose(Matrix4 m);

// (x', y', z') of m applied to (p, 1), without division by w'.
Vector3 transformPoint(Matrix4 m, Vector3 p);

// As transformPoint; a General matrix divides by w' = m12 x + m13 y + m14 z + m15 and gives
// (0, 0, 0) when w' is exactly 0. Other kinds never compute w'.
Vector3 transformPointProjective(Matrix4 m, Vector3 p);

// Unit diagonal with offset v, tagged Translation.
Matrix4 translation(Vector3 v);

// Diagonal (s.x, s.y, s.z, 1), tagged Scale.
Matrix4 scaling(Vector3 s);

// Rotation by angle about the unit axis through the origin, tagged Affine.
Matrix4 rotationAxisAngle(Vector3 axis, float angle);

// Rotation by angle about the unit axis through centre: translation(-centre), then the
// rotation, then translation(centre), combined with multiply (so tagged General).
Matrix4 rotationAboutPoint(Vector3 centre, Vector3 axis, float angle);

// Camera orientation: a point is first yawed about +Y and then pitched about the turned X axis
// (R_y(yaw) x R_x(pitch)); tagged General.
Matrix4 yawPitch(float yaw, float pitch);

// Viewing matrix laid out for a graphics library that reads 16 floats column by column, tagged
// General. Its second axis is the negated part of up perpendicular to the view direction; for
// eye (0,0,0), target (0,0,1), up (0,1,0) it is diag(-1, -1, -1, 1).
Matrix4 lookAt(Vector3 eye, Vector3 target, Vector3 up);

} // namespace trovane
