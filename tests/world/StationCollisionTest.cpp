#include "bsp/Collision.h"
#include "tests/world/FirstStations.h"
#include "world/StationRandom.h"
#include "world/Structure.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace trovane {
namespace {

void collectMeshes(const SharedPtr<BspNode>& node, std::vector<SharedPtr<Geometry>>& out) {
    if (node->isLeaf) {
        out.insert(out.end(), node->meshes.begin(), node->meshes.end());
        return;
    }
    collectMeshes(node->front, out);
    collectMeshes(node->back, out);
}

// The nearest hit along the segment over every mesh of the station, ignoring the tree.
struct BruteHit {
    bool hit = false;
    float distance = 0.0f;
};

BruteHit bruteForce(const std::vector<SharedPtr<Geometry>>& meshes, Vector3 from, Vector3 to) {
    const Ray ray(from, normalised(to - from));
    const float segment = length(to - from);
    BruteHit best;
    for (const SharedPtr<Geometry>& mesh : meshes) {
        const HitRecord h = mesh->intersect(ray);
        if (h.isHit() && h.distance <= segment && (!best.hit || h.distance < best.distance)) {
            best = {true, h.distance};
        }
    }
    return best;
}

// Segments through real stations: the tree walk must find exactly the nearest wall that testing
// every room mesh finds. Long segments cross many leaves and planes; short ones end near walls.
TEST(StationCollision, TreeQueryAgreesWithTestingEveryMesh) {
    const std::vector<Structure> stations = test::firstStations(3);
    std::mt19937 random(77031u);
    std::uniform_real_distribution<float> inside(-0.5f, 8.5f);
    std::uniform_real_distribution<float> shortStep(-0.6f, 0.6f);
    int hits = 0;
    int misses = 0;
    for (const Structure& station : stations) {
        std::vector<SharedPtr<Geometry>> meshes;
        collectMeshes(station.tree->root(), meshes);
        for (int i = 0; i < 1000; ++i) {
            const Vector3 from{inside(random), inside(random), inside(random)};
            const Vector3 to = i % 2 == 0 ? Vector3{inside(random), inside(random), inside(random)}
                                          : from + Vector3{shortStep(random), shortStep(random),
                                                           shortStep(random)};
            const HitRecord tree = collide(*station.tree, from, to, 0.0f);
            const BruteHit brute = bruteForce(meshes, from, to);
            ASSERT_EQ(tree.isHit(), brute.hit) << "segment " << i;
            if (brute.hit) {
                ++hits;
                EXPECT_NEAR(tree.distance, brute.distance, 1e-4f) << "segment " << i;
                EXPECT_NEAR(length(tree.point - from), brute.distance, 1e-4f);
            } else {
                ++misses;
            }
        }
    }
    EXPECT_GT(hits, 800);
    EXPECT_GT(misses, 300);
}

} // namespace
} // namespace trovane
