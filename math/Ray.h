// A half-line with a current parameter: the point at parameter t is origin + t * direction.
#pragma once

#include "math/Constants.h"
#include "math/Vector3.h"

namespace trovane {

struct Ray {
    Vector3 origin;
    Vector3 direction{0.0f, 0.0f, 1.0f}; // unit length when made by the queries of this program
    float t = kInfinity;

    constexpr Ray() = default;
    // A ray without a hit yet: t is +infinity.
    constexpr Ray(Vector3 origin_, Vector3 direction_) : origin(origin_), direction(direction_) {}
    // The same origin and direction with a new parameter.
    constexpr Ray(const Ray& ray, float t_) : origin(ray.origin), direction(ray.direction), t(t_) {}
    constexpr Ray(const Ray&) = default;
    constexpr Ray& operator=(const Ray&) = default;

    constexpr Vector3 pointAt(float param) const { return origin + direction * param; }
    // The point at the ray's own parameter t.
    constexpr Vector3 point() const { return pointAt(t); }
};

} // namespace trovane
