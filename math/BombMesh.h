// The small cube drawn for every thrown bomb.
#pragma once

#include "math/Mesh.h"
#include "base/SharedPtr.h"

namespace trovane {

inline constexpr float kBombHalfSize = 0.02f;

// A TriangleList of 36 vertices: a yellow cube of half-size 0.02 centred on the origin, twelve
// triangles in the face order -z, +z, -x, +x, -y, +y.
SharedPtr<Mesh> makeBombMesh();

} // namespace trovane
