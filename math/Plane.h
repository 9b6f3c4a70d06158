// A plane through `point` with normal `normal`: q lies on it when dot(q, normal) - distance = 0,
// where distance = dot(point, normal). The normal is stored as given; callers pass unit normals.
#pragma once

#include <cstdint>
#include <span>

#include "math/HitRecord.h"
#include "math/Ray.h"
#include "math/Vector3.h"
#include "math/Vertex.h"

namespace trovane {

// Result of a classification against a plane.
enum class Side : std::int32_t {
    Front = 0,    // signed distance above the tolerance
    Back = 1,     // below the tolerance
    OnPlane = 2,  // equal to it
    Spanning = 3, // some points in front and some behind
};

class Plane {
public:
    // Point (0, 0, 0), normal (0, 0, 1), distance 0.
    Plane() = default;
    Plane(Vector3 point, Vector3 normal)
        : point_(point), normal_(normal), distance_(dot(point, normal)) {}
    Plane(const Plane&) = default;
    Plane& operator=(const Plane&) = default;

    // Nearest hit of the ray with the plane (t > 1e-10), or a miss when the ray runs parallel
    // (|dot(direction, normal)| < 1e-10). The hit normal is the plane normal, not turned.
    virtual HitRecord intersect(const Ray& ray) const;

    // Declared after intersect so that intersect keeps the first slot.
    virtual ~Plane() = default;

    Vector3 point() const { return point_; }
    Vector3 normal() const { return normal_; }
    float distance() const { return distance_; }

    // dot(q, normal) - distance.
    float signedDistance(Vector3 q) const { return dot(q, normal_) - distance_; }

    // Back when the signed distance is below tolerance, OnPlane when equal, else Front.
    Side classify(Vector3 q, float tolerance) const;

    // Combined side of the vertex positions with tolerance 0: points on the plane are skipped,
    // mixed sides give Spanning, all (or no) points on the plane give OnPlane.
    Side classify(std::span<const Vertex> polygon) const;

    // Same rule for bare positions, with a tolerance.
    Side classify(std::span<const Vector3> points, float tolerance) const;

private:
    Vector3 point_;
    Vector3 normal_{0.0f, 0.0f, 1.0f};
    float distance_ = 0.0f;
};

} // namespace trovane
