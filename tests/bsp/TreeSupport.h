// Small hand-built trees for the tree tests.
#pragma once

#include "base/SharedPtr.h"
#include "bsp/BspNode.h"
#include "math/Constants.h"
#include "math/Mesh.h"

#include <vector>

namespace trovane::test {

// A one-triangle mesh at height z (only its identity matters to most tests).
inline SharedPtr<Geometry> marker(float z = 0.0f) {
    VertexList v;
    for (Vector3 p : {Vector3(0, 0, z), Vector3(1, 0, z), Vector3(0, 1, z)}) {
        v.emplace_back(p, kAxisZ, Color{}, TexCoord{});
    }
    return makeShared<Mesh>(v, PrimitiveKind::TriangleList);
}

inline SharedPtr<BspNode> leafWith(std::vector<SharedPtr<Geometry>> meshes, std::int32_t cell) {
    return makeLeaf(meshes, cell, cell);
}

} // namespace trovane::test
