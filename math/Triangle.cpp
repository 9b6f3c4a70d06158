#include "math/Triangle.h"

#include <array>

namespace trovane {

namespace {

constexpr float kMinimumT = 1e-10f;

} // namespace

float smoothstep(float x) {
    if (x <= 0.0f) {
        return 0.0f;
    }
    if (x >= 1.0f) {
        return 1.0f;
    }
    return 3.0f * x * x - 2.0f * x * x * x;
}

HitRecord intersectTriangle(const Vertex& a, const Vertex& b, const Vertex& c, const Ray& ray) {
    const Vector3 e1 = b.position - a.position;
    const Vector3 e2 = c.position - a.position;
    const Vector3 h = cross(ray.direction, e2);
    const float det = dot(e1, h);
    if (det == 0.0f) {
        return missRecord(ray);
    }
    const float f = 1.0f / det;
    const Vector3 s = ray.origin - a.position;
    const float u = f * dot(s, h);
    if (!(u >= 0.0f && u <= 1.0f)) {
        return missRecord(ray);
    }
    const Vector3 q = cross(s, e1);
    const float v = f * dot(ray.direction, q);
    if (!(v >= 0.0f && u + v <= 1.0f)) {
        return missRecord(ray);
    }
    const float t = f * dot(e2, q);
    if (!(t >= kMinimumT)) {
        return missRecord(ray);
    }
    Vector3 normal = normalised(a.normal * smoothstep(1.0f - u - v) + b.normal * smoothstep(u) +
                                c.normal * smoothstep(v));
    if (dot(normal, ray.direction) > 0.0f) {
        normal = -normal;
    }
    return hitRecord(ray, t, normal);
}

Triangle::Triangle(const Vertex& first, const Vertex& second, const Vertex& third)
    : first_(first), second_(second), third_(third), box_(first.position) {
    box_.extend(second.position);
    box_.extend(third.position);
}

HitRecord Triangle::intersect(const Ray& ray) const {
    return intersectTriangle(first_, second_, third_, ray);
}

std::vector<Vertex> Triangle::vertices() const {
    return {first_, second_, third_};
}

Side Triangle::classify(const Plane& plane, float tolerance) const {
    const std::array<Vector3, 3> points{first_.position, second_.position, third_.position};
    return plane.classify(points, tolerance);
}

} // namespace trovane
