// Three-component vector of 32-bit floats, used for points, directions and normals.
//
// Conventions for all of math/: right-handed coordinates, angles in radians, every value a
// 32-bit float. Normalisation is always explicit and has no guard: a zero vector gives
// non-finite components.
#pragma once

#include <cmath>

namespace trovane {

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vector3() = default;
    constexpr Vector3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    constexpr Vector3& operator+=(Vector3 o) {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
    constexpr Vector3& operator-=(Vector3 o) {
        x -= o.x;
        y -= o.y;
        z -= o.z;
        return *this;
    }
    constexpr Vector3& operator*=(float s) {
        x *= s;
        y *= s;
        z *= s;
        return *this;
    }

    // Scales to unit length in place.
    void normalise();

    friend constexpr bool operator==(Vector3, Vector3) = default;
};

constexpr Vector3 operator+(Vector3 a, Vector3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
constexpr Vector3 operator-(Vector3 a, Vector3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
constexpr Vector3 operator-(Vector3 v) {
    return {-v.x, -v.y, -v.z};
}
constexpr Vector3 operator*(Vector3 v, float s) {
    return {v.x * s, v.y * s, v.z * s};
}
constexpr Vector3 operator*(float s, Vector3 v) {
    return v * s;
}
// Multiplies by the reciprocal, so v / s equals v * (1 / s) bit for bit.
constexpr Vector3 operator/(Vector3 v, float s) {
    return v * (1.0f / s);
}

constexpr float dot(Vector3 a, Vector3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

constexpr Vector3 cross(Vector3 a, Vector3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

constexpr float lengthSquared(Vector3 v) {
    return dot(v, v);
}
inline float length(Vector3 v) {
    return std::sqrt(dot(v, v));
}
inline float distance(Vector3 a, Vector3 b) {
    return length(a - b);
}

// v times 1/length(v).
inline Vector3 normalised(Vector3 v) {
    return v * (1.0f / length(v));
}
inline Vector3 normalised(float x, float y, float z) {
    return normalised(Vector3(x, y, z));
}
inline void Vector3::normalise() {
    *this = normalised(*this);
}

// Copy of v divided by w, untouched when w is exactly 1 (the affine case).
constexpr Vector3 divideByW(Vector3 v, float w) {
    return w == 1.0f ? v : v / w;
}

// Mirror image of direction d at a surface with unit normal n: d - 2 dot(d, n) n.
constexpr Vector3 reflect(Vector3 d, Vector3 n) {
    return d - n * (2.0f * dot(d, n));
}

} // namespace trovane
