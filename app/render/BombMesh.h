// The small cube drawn for every thrown bomb: a mesh the drawing half builds
// once; the flight and collisions of bombs never see it.
#pragma once

#include "base/SharedPtr.h"
#include "math/Mesh.h"

namespace trovane {

inline constexpr float kBombHalfSize = 0.02f;

// A TriangleList of 36 vertices: a yellow cube of half-size 0.02 centred on the origin, twelve
// triangles in the face order -z, +z, -x, +x, -y, +y.
SharedPtr<Mesh> makeBombMesh();

} // namespace trovane
