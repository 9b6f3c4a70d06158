#include "app/render/BombMesh.h"

#include <array>

namespace trovane {

namespace {

constexpr float h = kBombHalfSize;

// Corners named by the signs of x, y, z.
constexpr Vector3 A{-h, -h, -h};
constexpr Vector3 B{h, -h, -h};
constexpr Vector3 C{h, h, -h};
constexpr Vector3 D{-h, h, -h};
constexpr Vector3 E{-h, -h, h};
constexpr Vector3 F{h, -h, h};
constexpr Vector3 G{h, h, h};
constexpr Vector3 H{-h, h, h};

struct Face {
    Vector3 normal;
    std::array<Vector3, 6> corners; // two triangles
};

constexpr std::array<Face, 6> kFaces{{
    {{0, 0, -1}, {A, B, C, C, D, A}},
    {{0, 0, 1}, {E, F, G, G, H, E}},
    {{-1, 0, 0}, {A, E, H, H, D, A}},
    {{1, 0, 0}, {B, F, G, G, C, B}},
    {{0, -1, 0}, {A, B, F, F, E, A}},
    {{0, 1, 0}, {D, C, G, G, H, D}},
}};

} // namespace

SharedPtr<Mesh> makeBombMesh() {
    const Color yellow{1.0f, 1.0f, 0.0f, 1.0f};
    const TexCoord tex{0.0f, 0.0f, 0.0f, 2};
    VertexList vertices;
    vertices.reserve(36);
    for (const Face& face : kFaces) {
        for (Vector3 corner : face.corners) {
            vertices.emplace_back(corner, face.normal, yellow, tex);
        }
    }
    return makeShared<Mesh>(vertices, PrimitiveKind::TriangleList);
}

} // namespace trovane
