#include "math/Mesh.h"
#include "math/Constants.h"
#include "math/Triangle.h"
#include "tests/math/Printers.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace trovane {
namespace {

using Indices = std::vector<std::uint32_t>;

VertexList verticesAt(std::initializer_list<Vector3> points) {
    VertexList out;
    for (Vector3 p : points) {
        out.emplace_back(p, kAxisZ, Color{}, TexCoord{});
    }
    return out;
}

VertexList numberedVertices(int count) {
    VertexList out;
    for (int i = 0; i < count; ++i) {
        out.emplace_back(Vector3(static_cast<float>(i), static_cast<float>(i % 2), 0.0f), kAxisZ,
                         Color{}, TexCoord{});
    }
    return out;
}

TEST(TriangleIndices, StripKeepsOneWinding) {
    EXPECT_EQ(buildTriangleIndices(PrimitiveKind::TriangleStrip, 4), (Indices{0, 1, 2, 1, 3, 2}));
    EXPECT_EQ(buildTriangleIndices(PrimitiveKind::TriangleStrip, 5),
              (Indices{0, 1, 2, 1, 3, 2, 2, 3, 4}));
}

TEST(TriangleIndices, FanSharesTheFirstVertex) {
    EXPECT_EQ(buildTriangleIndices(PrimitiveKind::TriangleFan, 4), (Indices{0, 1, 2, 0, 2, 3}));
}

TEST(TriangleIndices, ListIsTheVertexOrder) {
    EXPECT_EQ(buildTriangleIndices(PrimitiveKind::TriangleList, 5), (Indices{0, 1, 2, 3, 4}));
}

TEST(TriangleIndices, TooFewVerticesOrAnUnknownKindGiveNone) {
    for (PrimitiveKind kind :
         {PrimitiveKind::TriangleStrip, PrimitiveKind::TriangleFan, PrimitiveKind::TriangleList}) {
        EXPECT_TRUE(buildTriangleIndices(kind, 2).empty());
        EXPECT_TRUE(buildTriangleIndices(kind, 0).empty());
    }
    EXPECT_TRUE(buildTriangleIndices(static_cast<PrimitiveKind>(7), 6).empty());
}

TEST(Mesh, KeepsAPrivateCopyAndDrawsInVertexOrder) {
    VertexList source = numberedVertices(4);
    const Mesh mesh(source, PrimitiveKind::TriangleStrip);
    source[0].position = {99, 99, 99};
    const SharedPtr<VertexList> list = mesh.vertexList();
    EXPECT_EQ((*list)[0].position, Vector3(0, 0, 0));
    EXPECT_EQ(list.useCount(), 2) << "vertexList() shares the mesh's list";
    EXPECT_EQ(mesh.drawOrder(), (Indices{0, 1, 2, 3}));
    EXPECT_EQ(mesh.primitiveKind(), PrimitiveKind::TriangleStrip);
    EXPECT_TRUE(mesh.isSolid());
}

TEST(Mesh, VerticesExpandTheTriangles) {
    const Mesh strip(numberedVertices(4), PrimitiveKind::TriangleStrip);
    const VertexList expanded = strip.vertices();
    ASSERT_EQ(expanded.size(), 6u);
    EXPECT_EQ(expanded[3].position.x, 1.0f);
    EXPECT_EQ(expanded[4].position.x, 3.0f);
    EXPECT_EQ(expanded[5].position.x, 2.0f);
}

TEST(Mesh, ListOfFiveVerticesGivesOneTriangleToTheRayQuery) {
    // Vertices 3 and 4 would form a triangle with vertex 0 if leftovers were used.
    const VertexList five = verticesAt({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {5, 5, 0}, {6, 5, 0}});
    const Mesh mesh(five, PrimitiveKind::TriangleList);
    EXPECT_EQ(mesh.vertices().size(), 5u);
    EXPECT_EQ(mesh.intersect(Ray({0.2f, 0.2f, 1}, -kAxisZ)).hit, 1u);
    EXPECT_EQ(mesh.intersect(Ray({4, 3, 1}, -kAxisZ)).hit, 0u);
}

TEST(Mesh, BoundsCoverEveryVertex) {
    const Mesh mesh(verticesAt({{1, 2, 3}, {-1, 5, 0}, {4, -2, 1}}), PrimitiveKind::TriangleList);
    EXPECT_EQ(mesh.bounds().min, Vector3(-1, -2, 0));
    EXPECT_EQ(mesh.bounds().max, Vector3(4, 5, 3));
    EXPECT_EQ(mesh.bounds().centre, Vector3(1.5f, 1.5f, 1.5f));
}

TEST(Mesh, EmptyListGivesAnInertMesh) {
    const Mesh mesh(VertexList{}, PrimitiveKind::TriangleList);
    EXPECT_EQ(mesh.bounds().min, kZeroVector);
    EXPECT_TRUE(mesh.vertices().empty());
    EXPECT_EQ(mesh.intersect(Ray({0, 0, 1}, -kAxisZ)).hit, 0u);
    EXPECT_EQ(mesh.classify(Plane(), 0.0f), Side::OnPlane);
}

TEST(MeshIntersect, RayThroughASharedEdgeReportsTheFirstTriangle) {
    // Two triangles of a square share the diagonal from (1,0,0) to (0,1,0); their normals differ
    // so the reported normal tells which one answered.
    VertexList v = verticesAt({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    for (int i = 0; i < 3; ++i) {
        v[static_cast<std::size_t>(i)].normal = normalised(1.0f, 0.0f, 1.0f);
        v[static_cast<std::size_t>(i + 3)].normal = normalised(0.0f, 1.0f, 1.0f);
    }
    const Mesh mesh(v, PrimitiveKind::TriangleList);
    const HitRecord h = mesh.intersect(Ray({0.5f, 0.5f, 1}, -kAxisZ));
    ASSERT_EQ(h.hit, 1u);
    EXPECT_GT(h.normal.x, 0.5f);
    EXPECT_EQ(h.normal.y, 0.0f);

    // Reversed order: now the other triangle comes first.
    VertexList swapped(v.begin() + 3, v.end());
    swapped.insert(swapped.end(), v.begin(), v.begin() + 3);
    const HitRecord g =
        Mesh(swapped, PrimitiveKind::TriangleList).intersect(Ray({0.5f, 0.5f, 1}, -kAxisZ));
    EXPECT_GT(g.normal.y, 0.5f);
}

TEST(MeshIntersect, ReportsTheNearestTriangle) {
    const VertexList v = verticesAt({{0, 0, 0},
                                     {1, 0, 0},
                                     {0, 1, 0},
                                     {0, 0, 2},
                                     {1, 0, 2},
                                     {0, 1, 2},
                                     {0, 0, 1},
                                     {1, 0, 1},
                                     {0, 1, 1}});
    const HitRecord h =
        Mesh(v, PrimitiveKind::TriangleList).intersect(Ray({0.2f, 0.2f, 3}, -kAxisZ));
    EXPECT_EQ(h.distance, 1.0f);
    EXPECT_EQ(h.point.z, 2.0f);
}

// The mesh query walks its indices in place; it must answer exactly like building a Triangle
// for each consecutive triple of vertices() and keeping the first strictly nearer hit.
TEST(MeshIntersect, MatchesTheTrianglesOfItsVertexExpansion) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> coord(-1.0f, 1.0f);
    auto randomPoint = [&] { return Vector3(coord(rng), coord(rng), coord(rng)); };
    for (PrimitiveKind kind :
         {PrimitiveKind::TriangleStrip, PrimitiveKind::TriangleFan, PrimitiveKind::TriangleList}) {
        VertexList v;
        for (int i = 0; i < 12; ++i) {
            v.emplace_back(randomPoint(), normalised(randomPoint()), Color{}, TexCoord{});
        }
        const Mesh mesh(v, kind);
        const VertexList expanded = mesh.vertices();
        for (int trial = 0; trial < 500; ++trial) {
            const Ray ray(randomPoint() * 2.0f, normalised(randomPoint()));
            HitRecord expected = missRecord(ray);
            for (std::size_t i = 0; i + 2 < expanded.size(); i += 3) {
                const HitRecord h =
                    Triangle(expanded[i], expanded[i + 1], expanded[i + 2]).intersect(ray);
                if (h.distance < expected.distance) {
                    expected = h;
                }
            }
            const HitRecord actual = mesh.intersect(ray);
            ASSERT_EQ(actual.hit, expected.hit);
            if (actual.isHit()) {
                ASSERT_EQ(actual.distance, expected.distance);
                ASSERT_EQ(actual.normal, expected.normal);
                ASSERT_EQ(actual.point, expected.point);
            }
        }
    }
}

TEST(Mesh, ClassifyIgnoresTheTolerance) {
    const Mesh mesh(verticesAt({{0, 0, 1}, {1, 0, 1}, {0, 1, 2}}), PrimitiveKind::TriangleList);
    const Plane z0;
    EXPECT_EQ(mesh.classify(z0, 0.0f), Side::Front);
    EXPECT_EQ(mesh.classify(z0, 5.0f), Side::Front);
}

} // namespace
} // namespace trovane
