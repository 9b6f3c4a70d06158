#include "math/Matrix4.h"

#include <cmath>

namespace trovane {

namespace {

using Values = std::array<float, 16>;

// Row r of the product that applies a first and then b: for each column c,
// b[r][0] a[0][c] + b[r][1] a[1][c] + b[r][2] a[2][c] + b[r][3] a[3][c], summed in that order.
inline void productRow(const Values& a, const Values& b, std::size_t r, Values& out) {
    const float b0 = b[4 * r];
    const float b1 = b[4 * r + 1];
    const float b2 = b[4 * r + 2];
    const float b3 = b[4 * r + 3];
    for (std::size_t c = 0; c < 4; ++c) {
        out[4 * r + c] = b0 * a[c] + b1 * a[4 + c] + b2 * a[8 + c] + b3 * a[12 + c];
    }
}

Matrix4 generalProduct(const Values& a, const Values& b) {
    Values out;
    for (std::size_t r = 0; r < 4; ++r) {
        productRow(a, b, r, out);
    }
    return Matrix4(out, MatrixKind::General);
}

// Neither operand General: both bottom rows are (0, 0, 0, 1), so is the product's.
Matrix4 affineProduct(const Values& a, const Values& b) {
    Values out;
    for (std::size_t r = 0; r < 3; ++r) {
        productRow(a, b, r, out);
    }
    out[12] = 0.0f;
    out[13] = 0.0f;
    out[14] = 0.0f;
    out[15] = 1.0f;
    return Matrix4(out, MatrixKind::General);
}

// a is Scale: every other term of the general sum is an exact zero, so column c of b is
// scaled by a[c][c].
Matrix4 scaleFirstProduct(const Values& a, const Values& b) {
    const std::array<float, 4> d{a[0], a[5], a[10], a[15]};
    Values out;
    for (std::size_t r = 0; r < 4; ++r) {
        for (std::size_t c = 0; c < 4; ++c) {
            out[4 * r + c] = b[4 * r + c] * d[c];
        }
    }
    return Matrix4(out, MatrixKind::General);
}

// b is Scale: row r of a is scaled by b[r][r].
Matrix4 scaleSecondProduct(const Values& a, const Values& b) {
    const std::array<float, 4> d{b[0], b[5], b[10], b[15]};
    Values out;
    for (std::size_t r = 0; r < 4; ++r) {
        for (std::size_t c = 0; c < 4; ++c) {
            out[4 * r + c] = d[r] * a[4 * r + c];
        }
    }
    return Matrix4(out, MatrixKind::General);
}

} // namespace

void Matrix4::set(int index, float value) {
    m_[static_cast<std::size_t>(index)] = value;
    if (kind_ == MatrixKind::General) {
        return;
    }
    const bool affineBottom = m_[12] == 0.0f && m_[13] == 0.0f && m_[14] == 0.0f && m_[15] == 1.0f;
    kind_ = affineBottom ? MatrixKind::Affine : MatrixKind::General;
}

Matrix4 multiply(Matrix4 a, Matrix4 b) {
    const MatrixKind ka = a.kind();
    const MatrixKind kb = b.kind();
    const Values& x = a.values();
    const Values& y = b.values();
    if (ka == MatrixKind::Identity) {
        return b;
    }
    if (kb == MatrixKind::Identity) {
        return a;
    }
    if (ka == MatrixKind::Scale && kb == MatrixKind::Scale) {
        return Matrix4(
            {x[0] * y[0], 0, 0, 0, 0, x[5] * y[5], 0, 0, 0, 0, x[10] * y[10], 0, 0, 0, 0, 1},
            MatrixKind::Scale);
    }
    if (ka == MatrixKind::Translation && kb == MatrixKind::Translation) {
        return Matrix4(
            {1, 0, 0, x[3] + y[3], 0, 1, 0, x[7] + y[7], 0, 0, 1, x[11] + y[11], 0, 0, 0, 1},
            MatrixKind::Translation);
    }
    if (ka == MatrixKind::Scale) {
        return scaleFirstProduct(x, y);
    }
    if (kb == MatrixKind::Scale) {
        return scaleSecondProduct(x, y);
    }
    if (ka != MatrixKind::General && kb != MatrixKind::General) {
        return affineProduct(x, y);
    }
    return generalProduct(x, y);
}

Matrix4 transpose(Matrix4 m) {
    Values out{};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            out[static_cast<std::size_t>(4 * c + r)] = m.at(r, c);
        }
    }
    return Matrix4(out, MatrixKind::General);
}

Vector3 transformPoint(Matrix4 m, Vector3 p) {
    if (m.kind() == MatrixKind::Identity) {
        return p;
    }
    return {m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3],
            m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
            m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]};
}

Vector3 transformPointProjective(Matrix4 m, Vector3 p) {
    const Vector3 q = transformPoint(m, p);
    if (m.kind() != MatrixKind::General) {
        return q;
    }
    const float w = m[12] * p.x + m[13] * p.y + m[14] * p.z + m[15];
    if (w == 0.0f) {
        return {0.0f, 0.0f, 0.0f};
    }
    return divideByW(q, w);
}

Matrix4 translation(Vector3 v) {
    return Matrix4({1, 0, 0, v.x, 0, 1, 0, v.y, 0, 0, 1, v.z, 0, 0, 0, 1}, MatrixKind::Translation);
}

Matrix4 scaling(Vector3 s) {
    return Matrix4({s.x, 0, 0, 0, 0, s.y, 0, 0, 0, 0, s.z, 0, 0, 0, 0, 1}, MatrixKind::Scale);
}

Matrix4 rotationAxisAngle(Vector3 axis, float angle) {
    const float x = axis.x;
    const float y = axis.y;
    const float z = axis.z;
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float t = 1.0f - c;
    return Matrix4({x * x + (1.0f - x * x) * c, x * y * t - z * s, x * z * t + y * s, 0,
                    x * y * t + z * s, y * y + (1.0f - y * y) * c, y * z * t - x * s, 0,
                    x * z * t - y * s, y * z * t + x * s, z * z + (1.0f - z * z) * c, 0, 0, 0, 0,
                    1},
                   MatrixKind::Affine);
}

Matrix4 rotationAboutPoint(Vector3 centre, Vector3 axis, float angle) {
    const Matrix4 toOrigin = translation(-centre);
    const Matrix4 turned = multiply(toOrigin, rotationAxisAngle(axis, angle));
    return multiply(turned, translation(centre));
}

Matrix4 yawPitch(float yaw, float pitch) {
    const float c = std::cos(yaw);
    const float s = std::sin(yaw);
    const Matrix4 yawRotation({c, 0, s, 0, 0, 1, 0, 0, -s, 0, c, 0, 0, 0, 0, 1},
                              MatrixKind::Affine);
    const Vector3 pitchAxis = transformPoint(yawRotation, {1.0f, 0.0f, 0.0f});
    return multiply(yawRotation, rotationAxisAngle(pitchAxis, pitch));
}

Matrix4 lookAt(Vector3 eye, Vector3 target, Vector3 up) {
    const Vector3 f = normalised(target - eye);
    const Vector3 s0 = normalised(cross(f, -up));
    const Vector3 u = normalised(cross(s0, f));
    const Vector3 s = -s0;
    const Vector3 b = -f;
    return Matrix4({s.x, u.x, b.x, 0, s.y, u.y, b.y, 0, s.z, u.z, b.z, 0, dot(s, -eye),
                    dot(u, -eye), dot(b, -eye), 1},
                   MatrixKind::General);
}

} // namespace trovane
