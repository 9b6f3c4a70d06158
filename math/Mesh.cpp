#include "math/Mesh.h"

#include <cstddef>

#include "math/Triangle.h"

namespace trovane {

std::vector<std::uint32_t> buildTriangleIndices(PrimitiveKind kind, std::uint32_t vertexCount) {
    std::vector<std::uint32_t> indices;
    if (vertexCount < 3) {
        return indices;
    }
    switch (kind) {
    case PrimitiveKind::TriangleList:
        indices.reserve(vertexCount);
        for (std::uint32_t i = 0; i < vertexCount; ++i) {
            indices.push_back(i);
        }
        break;
    case PrimitiveKind::TriangleFan:
        indices.reserve(3 * (vertexCount - 2));
        for (std::uint32_t i = 1; i + 1 < vertexCount; ++i) {
            indices.insert(indices.end(), {0, i, i + 1});
        }
        break;
    case PrimitiveKind::TriangleStrip:
        // Odd triangles swap their last two corners so that all keep one winding.
        indices.reserve(3 * (vertexCount - 2));
        for (std::uint32_t i = 0; i + 2 < vertexCount; ++i) {
            if (i % 2 == 0) {
                indices.insert(indices.end(), {i, i + 1, i + 2});
            } else {
                indices.insert(indices.end(), {i, i + 2, i + 1});
            }
        }
        break;
    }
    return indices;
}

Mesh::Mesh(const VertexList& vertices, PrimitiveKind kind)
    : sharedVertices_(makeShared<VertexList>(vertices)), kind_(kind) {
    const auto count = static_cast<std::uint32_t>(vertices.size());
    if (count > 0) {
        box_ = BoundingBox(vertices.front().position);
    }
    for (const Vertex& v : vertices) {
        box_.extend(v.position);
    }
    order_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        order_.push_back(i);
    }
    indices_ = buildTriangleIndices(kind, count);
}

// Walks the index triples over the shared list directly rather than expanding a vertex copy
// per query; the triangle test and the order of comparison are those of Triangle, so the
// results are the same.
HitRecord Mesh::intersect(const Ray& ray) const {
    HitRecord best = missRecord(ray);
    const VertexList& list = *sharedVertices_;
    const std::size_t triangles = indices_.size() / 3;
    for (std::size_t i = 0; i < triangles; ++i) {
        const HitRecord h = intersectTriangle(list[indices_[3 * i]], list[indices_[3 * i + 1]],
                                              list[indices_[3 * i + 2]], ray);
        if (h.isHit() && h.distance < best.distance) {
            best = h;
        }
    }
    return best;
}

std::vector<Vertex> Mesh::vertices() const {
    const VertexList& list = *sharedVertices_;
    std::vector<Vertex> out;
    out.reserve(indices_.size());
    for (std::uint32_t index : indices_) {
        out.push_back(list[index]);
    }
    return out;
}

Side Mesh::classify(const Plane& plane, float /*tolerance*/) const {
    return plane.classify(vertices());
}

} // namespace trovane
