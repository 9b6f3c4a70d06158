// Everything the program draws or collides with: a single Triangle or a Mesh.
#pragma once

#include <cstdint>
#include <vector>

#include "math/BoundingBox.h"
#include "math/HitRecord.h"
#include "math/Plane.h"
#include "math/Ray.h"
#include "math/Vertex.h"

namespace trovane {

// How a Mesh turns its vertex list into triangles.
enum class PrimitiveKind : std::int32_t {
    TriangleStrip = 0,
    TriangleFan = 1,
    TriangleList = 2,
};

// The virtual operations, in slot order: intersect, vertices, bounds, classify, isSolid. The
// destructor is declared after them so that it takes the slots after the fixed ones.
class Geometry {
public:
    // Nearest hit of the ray with the shape (hit 1), or the ray's miss record.
    virtual HitRecord intersect(const Ray& ray) const = 0;
    // The shape's triangles as consecutive vertex triples.
    virtual std::vector<Vertex> vertices() const = 0;
    // The stored bounding box.
    virtual BoundingBox bounds() const = 0;
    // Side of the shape's vertices against the plane.
    virtual Side classify(const Plane& plane, float tolerance) const = 0;
    // Whether the shape has a surface that ray queries can hit; true for Triangle and Mesh.
    virtual bool isSolid() const = 0;

    virtual ~Geometry() = default;

protected:
    Geometry() = default;
    Geometry(const Geometry&) = default;
    Geometry& operator=(const Geometry&) = default;
};

} // namespace trovane
