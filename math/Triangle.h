// One triangle with per-vertex normals, and the ray-triangle test shared with Mesh.
#pragma once

#include <vector>

#include "math/BoundingBox.h"
#include "math/Geometry.h"
#include "math/HitRecord.h"
#include "math/Ray.h"
#include "math/Vertex.h"

namespace trovane {

// 3x^2 - 2x^3 on [0, 1], clamped to 0 below and 1 above.
float smoothstep(float x);

// Ray against the triangle a, b, c (hit needs t >= 1e-10 and the barycentric u, v inside,
// edges and vertices included). The normal blends the vertex normals with smoothstep of the
// barycentric weights, is normalised and turned to face the incoming ray.
HitRecord intersectTriangle(const Vertex& a, const Vertex& b, const Vertex& c, const Ray& ray);

class Triangle final : public Geometry {
public:
    Triangle(const Vertex& first, const Vertex& second, const Vertex& third);

    HitRecord intersect(const Ray& ray) const override;
    std::vector<Vertex> vertices() const override;
    BoundingBox bounds() const override { return box_; }
    // The polygon rule over the three positions, with the given tolerance.
    Side classify(const Plane& plane, float tolerance) const override;
    bool isSolid() const override { return true; }

    const Vertex& first() const { return first_; }
    const Vertex& second() const { return second_; }
    const Vertex& third() const { return third_; }

private:
    Vertex first_;
    Vertex second_;
    Vertex third_;
    BoundingBox box_;
};

} // namespace trovane
