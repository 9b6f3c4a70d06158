// A room mesh sent through the immediate-mode calls: one primitive, and per
// vertex its first texture coordinate, colour, normal and position. The frame
// draws with these and records its display lists with the very same calls, so
// both pictures match pixel for pixel.
#pragma once

#include "math/Mesh.h"
#include "math/Vector3.h"

#include <cstdint>
#include <vector>

namespace trovane {

// The GL primitive (GL_TRIANGLE_STRIP, GL_TRIANGLE_FAN or GL_TRIANGLES).
unsigned int primitiveOf(PrimitiveKind kind);

// The vertices named by order, each moved by offset; indices beyond the list
// are skipped.
void sendVertices(const VertexList& vertices, const std::vector<std::uint32_t>& order,
                  Vector3 offset);

// glBegin, the mesh's vertices in its draw order, glEnd.
void drawMeshImmediate(const Mesh& mesh);

} // namespace trovane
