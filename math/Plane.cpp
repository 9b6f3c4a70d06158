#include "math/Plane.h"

#include <cmath>

namespace trovane {

namespace {

constexpr float kParallelLimit = 1e-10f;
constexpr float kMinimumT = 1e-10f;

// Folds one more point's side into the running side of a polygon.
Side combineSides(Side running, Side next) {
    if (next == Side::OnPlane) {
        return running;
    }
    if (running == Side::OnPlane) {
        return next;
    }
    return next == running ? running : Side::Spanning;
}

} // namespace

HitRecord Plane::intersect(const Ray& ray) const {
    const float k = dot(ray.direction, normal_);
    if (std::fabs(k) < kParallelLimit) {
        return missRecord(ray);
    }
    const float t = dot(point_ - ray.origin, normal_) / k;
    if (!(t > kMinimumT)) {
        return missRecord(ray);
    }
    return hitRecord(ray, t, normal_);
}

Side Plane::classify(Vector3 q, float tolerance) const {
    const float d = signedDistance(q);
    if (d < tolerance) {
        return Side::Back;
    }
    return d == tolerance ? Side::OnPlane : Side::Front;
}

Side Plane::classify(std::span<const Vertex> polygon) const {
    Side side = Side::OnPlane;
    for (const Vertex& v : polygon) {
        side = combineSides(side, classify(v.position, 0.0f));
        if (side == Side::Spanning) {
            break;
        }
    }
    return side;
}

Side Plane::classify(std::span<const Vector3> points, float tolerance) const {
    Side side = Side::OnPlane;
    for (Vector3 p : points) {
        side = combineSides(side, classify(p, tolerance));
        if (side == Side::Spanning) {
            break;
        }
    }
    return side;
}

} // namespace trovane
