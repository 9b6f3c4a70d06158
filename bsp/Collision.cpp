#include "bsp/Collision.h"

#include <algorithm>
#include <cstdint>

namespace trovane {

namespace {

// The hits of the leaf's meshes within the segment a -> b, nearest first.
void queryLeaf(const BspNode& leaf, Vector3 a, Vector3 b, std::vector<HitRecord>& hits) {
    if (leaf.meshes.empty()) {
        return;
    }
    const Ray ray(a, normalised(b - a));
    const float segmentLength = length(b - a);
    const std::size_t firstNew = hits.size();
    for (const SharedPtr<Geometry>& mesh : leaf.meshes) {
        if (!mesh) {
            continue; // an entry without geometry cannot be queried
        }
        HitRecord h = mesh->intersect(ray);
        if (h.isHit() && h.distance <= segmentLength) {
            h.hit = reinterpret_cast<std::uintptr_t>(mesh.get());
            hits.push_back(h);
        }
    }
    std::stable_sort(
        hits.begin() + static_cast<std::ptrdiff_t>(firstNew), hits.end(),
        [](const HitRecord& x, const HitRecord& y) { return x.distance < y.distance; });
}

// The pieces of a -> b on either side of the plane, widened by radius on both sides.
void queryInner(const BspNode& inner, Vector3 a, Vector3 b, float radius, bool firstOnly,
                std::vector<HitRecord>& hits) {
    const float d1 = inner.plane->signedDistance(a);
    const float d2 = inner.plane->signedDistance(b);
    if (d1 >= radius && d2 >= radius) {
        segmentQuery(inner.front, a, b, radius, firstOnly, hits);
        return;
    }
    if (d1 < -radius && d2 < -radius) {
        segmentQuery(inner.back, a, b, radius, firstOnly, hits);
        return;
    }
    if (d1 == d2) {
        // Parallel inside the slab around the plane (only possible with radius > 0): no split
        // point exists, so both sides get the whole segment, front first.
        segmentQuery(inner.front, a, b, radius, firstOnly, hits);
        segmentQuery(inner.back, a, b, radius, firstOnly, hits);
        return;
    }
    const float k = 1.0f / (d1 - d2);
    const Vector3 p1 = a + (b - a) * ((d1 + radius) * k);
    const Vector3 p2 = a + (b - a) * ((d1 - radius) * k);
    if (d1 - d2 >= 0.0f) {
        segmentQuery(inner.front, a, p1, radius, firstOnly, hits);
        segmentQuery(inner.back, p2, b, radius, firstOnly, hits);
    } else {
        segmentQuery(inner.back, a, p2, radius, firstOnly, hits);
        segmentQuery(inner.front, p1, b, radius, firstOnly, hits);
    }
}

} // namespace

void segmentQuery(const SharedPtr<BspNode>& node, Vector3 a, Vector3 b, float radius,
                  bool firstOnly, std::vector<HitRecord>& hits) {
    if (firstOnly && !hits.empty()) {
        return;
    }
    if (a == b || !node) {
        return;
    }
    if (node->isLeaf) {
        queryLeaf(*node, a, b, hits);
    } else if (node->plane) {
        queryInner(*node, a, b, radius, firstOnly, hits);
    }
}

HitRecord collide(const BspTree& tree, Vector3 from, Vector3 to, float radius) {
    std::vector<HitRecord> hits;
    segmentQuery(tree.root(), from, to, radius, true, hits);
    if (hits.empty()) {
        return missRecord(Ray(from, normalised(to - from)));
    }
    HitRecord first = hits.front();
    first.distance = length(from - first.point);
    return first;
}

} // namespace trovane
