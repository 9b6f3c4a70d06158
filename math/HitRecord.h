// Result of every ray and segment query.
#pragma once

#include <cstdint>

#include "math/Constants.h"
#include "math/Ray.h"
#include "math/Vector3.h"

namespace trovane {

class Geometry;

struct HitRecord {
    // Non-zero for a hit. Geometry and Plane queries store 1; tree queries store the address of
    // the Geometry that was hit (which the tree keeps alive, the record does not).
    std::uintptr_t hit = 0;
    Ray ray;                          // t is the hit parameter along this ray
    Vector3 point;                    // the point at ray.t
    Vector3 normal{0.0f, 0.0f, 1.0f}; // surface normal at the hit
    float distance = kInfinity;       // t for shape queries; from the query start in tree queries

    constexpr bool isHit() const { return hit != 0; }

    // The Geometry a tree query hit, or null for a miss or a record of a shape query.
    const Geometry* geometry() const {
        return hit > 1 ? reinterpret_cast<const Geometry*>(hit) : nullptr;
    }
};

// Miss: hit 0, the ray with t = +infinity, the point there, normal (0, 0, 1), distance +infinity.
constexpr HitRecord missRecord(const Ray& ray) {
    HitRecord r;
    r.ray = Ray(ray, kInfinity);
    r.point = r.ray.point();
    return r;
}

// Hit: hit 1, the ray with parameter t, the point at t, the given normal, distance t.
constexpr HitRecord hitRecord(const Ray& ray, float t, Vector3 normal) {
    HitRecord r;
    r.hit = 1;
    r.ray = Ray(ray, t);
    r.point = r.ray.point();
    r.normal = normal;
    r.distance = t;
    return r;
}

} // namespace trovane
