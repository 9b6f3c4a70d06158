// The vertex record shared by the station builder, the renderer and the ray queries.
#pragma once

#include <cstdint>

#include "math/Vector3.h"

namespace trovane {

struct Color {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;

    friend constexpr bool operator==(Color, Color) = default;
};

struct TexCoord {
    float s = 0.0f;
    float t = 0.0f;
    float r = 0.0f;
    std::int32_t count = 2; // number of components in use

    friend constexpr bool operator==(TexCoord, TexCoord) = default;
};

// Attribute masks: kVertexMaskDefault for a default vertex, kVertexMaskFull for one made by the
// full constructor (position, normal, colour and texture coordinate set).
inline constexpr std::int32_t kVertexMaskDefault = -1;
inline constexpr std::int32_t kVertexMaskFull = 7;

struct Vertex {
    std::int32_t mask = kVertexMaskDefault;
    Vector3 position;
    Vector3 normal;
    Color color;
    TexCoord tex0;
    TexCoord tex1;

    constexpr Vertex() = default;
    // Sets mask to 7 and leaves tex1 at its default.
    constexpr Vertex(Vector3 position_, Vector3 normal_, Color color_, TexCoord tex)
        : mask(kVertexMaskFull), position(position_), normal(normal_), color(color_), tex0(tex) {}

    friend constexpr bool operator==(const Vertex&, const Vertex&) = default;
};

} // namespace trovane
