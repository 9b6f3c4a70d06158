// A vertex list turned into triangles by a strip, fan or list rule. Immutable after
// construction; owned through SharedPtr by tree leaves, draw lists and other holders.
#pragma once

#include <cstdint>
#include <vector>

#include "base/SharedPtr.h"
#include "math/BoundingBox.h"
#include "math/Geometry.h"
#include "math/HitRecord.h"
#include "math/Ray.h"
#include "math/Vertex.h"

namespace trovane {

using VertexList = std::vector<Vertex>;

// Vertex indices, three per triangle, that give exactly the triangles and windings of drawing
// vertexCount vertices as the given primitive: list 0..n-1; fan (0, i, i+1); strip (i, i+1, i+2)
// for even i and (i, i+2, i+1) for odd i. Fewer than three vertices, or an unknown kind, give
// none.
std::vector<std::uint32_t> buildTriangleIndices(PrimitiveKind kind, std::uint32_t vertexCount);

class Mesh final : public Geometry {
public:
    // Copies the list into a new shared list and builds the box, the draw order 0..n-1 and the
    // triangle indices. An empty list gives a mesh without triangles whose box is the origin.
    Mesh(const VertexList& vertices, PrimitiveKind kind);

    // Nearest hit over the triangles in index order; of equally near hits the first wins.
    HitRecord intersect(const Ray& ray) const override;
    // For each index in order, a copy of the vertex it names.
    std::vector<Vertex> vertices() const override;
    BoundingBox bounds() const override { return box_; }
    // The polygon rule over the positions of vertices(), always with tolerance 0.
    Side classify(const Plane& plane, float tolerance) const override;
    bool isSolid() const override { return true; }

    // What the renderer needs: the shared vertex list, the order in which to send its vertices
    // (0..n-1) and the primitive to send them as.
    SharedPtr<VertexList> vertexList() const { return sharedVertices_; }
    const std::vector<std::uint32_t>& drawOrder() const { return order_; }
    PrimitiveKind primitiveKind() const { return kind_; }

    // Three vertex indices per triangle, for the ray query and vertices().
    const std::vector<std::uint32_t>& triangleIndices() const { return indices_; }

private:
    BoundingBox box_;
    SharedPtr<VertexList> sharedVertices_;
    std::vector<std::uint32_t> indices_;
    std::vector<std::uint32_t> order_;
    PrimitiveKind kind_;
};

} // namespace trovane
