// The bomb cube the drawing half builds once.
#include "app/render/BombMesh.h"
#include "math/Constants.h"
#include "tests/math/Printers.h"

#include <gtest/gtest.h>

namespace trovane {
namespace {

TEST(BombMesh, IsASmallYellowCubeOfTwelveTriangles) {
    const SharedPtr<Mesh> bomb = makeBombMesh();
    ASSERT_TRUE(bomb);
    EXPECT_EQ(bomb->primitiveKind(), PrimitiveKind::TriangleList);
    const BoundingBox box = bomb->bounds();
    EXPECT_EQ(box.min, Vector3(-0.02f, -0.02f, -0.02f));
    EXPECT_EQ(box.max, Vector3(0.02f, 0.02f, 0.02f));
    EXPECT_EQ(box.centre, kZeroVector);

    const VertexList& v = *bomb->vertexList();
    ASSERT_EQ(v.size(), 36u);
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_EQ(v[i].color, (Color{1, 1, 0, 1}));
        EXPECT_EQ(v[i].tex0, (TexCoord{0, 0, 0, 2}));
        EXPECT_EQ(v[i].mask, kVertexMaskFull);
        // Every corner of a face lies on the face's side of the cube.
        EXPECT_FLOAT_EQ(dot(v[i].position, v[i].normal), 0.02f) << "vertex " << i;
    }
    // First face: A B C with normal -z.
    EXPECT_EQ(v[0].position, Vector3(-0.02f, -0.02f, -0.02f));
    EXPECT_EQ(v[1].position, Vector3(0.02f, -0.02f, -0.02f));
    EXPECT_EQ(v[2].position, Vector3(0.02f, 0.02f, -0.02f));
    EXPECT_EQ(v[0].normal, Vector3(0, 0, -1));
    // Last face, second triangle: G H D with normal +y.
    EXPECT_EQ(v[35].position, Vector3(-0.02f, 0.02f, -0.02f));
    EXPECT_EQ(v[35].normal, Vector3(0, 1, 0));
}

TEST(BombMesh, StopsARayFromOutside) {
    const HitRecord h = makeBombMesh()->intersect(Ray({1, 0, 0}, -kAxisX));
    ASSERT_EQ(h.hit, 1u);
    EXPECT_FLOAT_EQ(h.distance, 0.98f);
    EXPECT_EQ(h.normal, kAxisX);
}

} // namespace
} // namespace trovane
