// The portal walk against ray casts through real stations: whatever wall a ray of the view hits
// first must belong to a room in the visible set, unless the walk gave up and took every cell.
#include "world/PortalWalk.h"

#include "bsp/Collision.h"
#include "math/Mesh.h"
#include "tests/world/FirstStations.h"
#include "world/RoomWalls.h"
#include "world/StationRandom.h"
#include "world/Structure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace trovane {
namespace {

constexpr float kAspect = 4.0f / 3.0f;

// The cell whose room a mesh draws, from the middle of its vertices.
int cellOfMesh(const Geometry& geometry) {
    const auto& mesh = dynamic_cast<const Mesh&>(geometry);
    Vector3 sum;
    for (const Vertex& v : *mesh.vertexList()) {
        sum += v.position;
    }
    const Vector3 middle = sum / static_cast<float>(mesh.vertexList()->size());
    return cellIndex(int(std::floor(middle.x)), int(std::floor(middle.y)),
                     int(std::floor(middle.z)));
}

void mapMeshes(const SharedPtr<BspNode>& node, std::map<const Geometry*, int>& out) {
    if (node->isLeaf) {
        for (const SharedPtr<Geometry>& mesh : node->meshes) {
            out[mesh.get()] = cellOfMesh(*mesh);
        }
        return;
    }
    mapMeshes(node->front, out);
    mapMeshes(node->back, out);
}

struct Sampler {
    const Structure& station;
    std::mt19937& random;

    float uniform(float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(random);
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    CellPosition anyRoom() {
        for (;;) {
            const CellPosition c{below(kStationExtent), below(kStationExtent),
                                 below(kStationExtent)};
            if (station.cells[std::size_t(cellIndex(c))] != kCellEmpty) {
                return c;
            }
        }
    }

    // Mostly anywhere in the room; often close to a wall, inside or outside the door's square.
    Vector3 eyeIn(CellPosition room) {
        float local[3];
        for (float& l : local) {
            l = uniform(0.03f, 0.97f);
        }
        if (below(2) == 0) {
            const int axis = below(3);
            const float gap = uniform(0.025f, 0.08f);
            local[axis] = below(2) == 0 ? gap : 1.0f - gap;
        }
        return {float(room.x) + local[0], float(room.y) + local[1], float(room.z) + local[2]};
    }

    // A point near the edge of a door square of some room, on its wall or on the neighbour's.
    Vector3 doorEdgePoint() {
        for (;;) {
            const CellPosition room = anyRoom();
            const std::array<bool, 6> open = wallOpenings(station.cells, room.x, room.y, room.z);
            const int wall = below(6);
            if (!open[std::size_t(wall)]) {
                continue;
            }
            const int axis = wall < 2 ? 2 : (wall < 4 ? 0 : 1);
            const bool high = wall % 2 == 1;
            float p[3] = {float(room.x), float(room.y), float(room.z)};
            const float offset = below(2) == 0 ? kWallInset : -kWallInset;
            p[axis] += high ? 1.0f - offset : offset;
            const int u = (axis + 1) % 3;
            const int v = (axis + 2) % 3;
            const float along = uniform(kDoorInset, 1.0f - kDoorInset);
            const float nearEdge = uniform(-0.004f, 0.004f);
            const float edge = below(2) == 0 ? kDoorInset + nearEdge : 1.0f - kDoorInset + nearEdge;
            const bool uEdge = below(2) == 0;
            p[u] += uEdge ? edge : along;
            p[v] += uEdge ? along : edge;
            return {p[0], p[1], p[2]};
        }
    }

    // In an empty cell, or outside the station up to a few cells off, often close to a room's
    // wall or to the plane of the gap between two rooms.
    Vector3 eyeInOpenSpace() {
        for (;;) {
            Vector3 p{uniform(-4.0f, 12.0f), uniform(-4.0f, 12.0f), uniform(-4.0f, 12.0f)};
            if (below(3) == 0) {
                float* axis = below(2) == 0 ? &p.x : &p.z;
                *axis = std::round(*axis) + uniform(-0.02f, 0.02f);
            }
            const CellPosition c{int(std::floor(p.x)), int(std::floor(p.y)), int(std::floor(p.z))};
            if (!insideStation(c.x, c.y, c.z) ||
                station.cells[std::size_t(cellIndex(c))] == kCellEmpty) {
                return p;
            }
        }
    }

    // A camera looking roughly toward target, turned about its view axis at random.
    ViewFrustum lookingAt(Vector3 eye, Vector3 target) {
        const Vector3 jitter{uniform(-0.3f, 0.3f), uniform(-0.3f, 0.3f), uniform(-0.3f, 0.3f)};
        ViewFrustum f;
        f.eye = eye;
        f.forward = normalised(normalised(target - eye) + jitter);
        const Vector3 any = normalised(uniform(-1, 1), uniform(-1, 1), uniform(-1, 1));
        f.side = normalised(cross(f.forward, any));
        f.up = cross(f.side, f.forward);
        f.tanHalfHeight = std::tan(0.5f * 60.0f * 0.017453292f);
        f.tanHalfWidth = f.tanHalfHeight * kAspect;
        f.nearDistance = 0.01f;
        return f;
    }

    Vector3 directionInside(const ViewFrustum& f) {
        return f.forward + f.side * uniform(-f.tanHalfWidth, f.tanHalfWidth) +
               f.up * uniform(-f.tanHalfHeight, f.tanHalfHeight);
    }
};

bool insideFrustum(const ViewFrustum& f, Vector3 d) {
    const float ahead = dot(d, f.forward);
    return ahead > 0.0f && std::fabs(dot(d, f.side)) <= f.tanHalfWidth * ahead &&
           std::fabs(dot(d, f.up)) <= f.tanHalfHeight * ahead;
}

// How many rays met a wall, and how many of those met it at a grazing angle.
struct RayTally {
    int checked = 0;
    int grazing = 0;
};

// Casts the ray from the eye along d: the room whose wall it meets first must be in the view.
testing::AssertionResult firstHitIsInView(const Structure& station,
                                          const std::map<const Geometry*, int>& cellOf,
                                          const PortalView& view, Vector3 eye, Vector3 d,
                                          float reach, RayTally& tally) {
    d = normalised(d);
    const HitRecord hit = collide(*station.tree, eye, eye + d * reach, 0.0f);
    if (!hit.isHit()) {
        return testing::AssertionSuccess();
    }
    ++tally.checked;
    tally.grazing +=
        std::fabs(hit.normal.x * d.x + hit.normal.y * d.y + hit.normal.z * d.z) < 0.06f;
    const int cell = cellOf.at(hit.geometry());
    if (view.cells.contains(cell)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "eye (" << eye.x << ", " << eye.y << ", " << eye.z << ") direction (" << d.x << ", "
           << d.y << ", " << d.z << ") hits cell " << cell << " at (" << hit.point.x << ", "
           << hit.point.y << ", " << hit.point.z << ")";
}

// What a run of random views saw: views the walk judged or gave up on, and the rays checked.
struct ViewsRun {
    int views = 0;
    int fallbacks = 0;
    RayTally rays;
};

// Views of the first stations from the eyes aim(sample) gives, each towards the point it names;
// in each view the walk judged, 60 rays from ray(sample, frustum, eye, number) must have their
// first hit in the view.
template <class Aim, class Ray>
void checkViews(std::uint32_t seed, int viewsPerStation, float reach, Aim aim, Ray ray,
                ViewsRun& run) {
    std::mt19937 random(seed);
    for (const Structure& station : test::firstStations(3)) {
        std::map<const Geometry*, int> cellOf;
        mapMeshes(station.tree->root(), cellOf);
        Sampler sample{station, random};
        for (int i = 0; i < viewsPerStation; ++i, ++run.views) {
            const auto [eye, target] = aim(sample);
            const ViewFrustum frustum = sample.lookingAt(eye, target);
            const PortalView view = walkPortals(station.cells, frustum);
            if (view.seesEverything()) {
                ++run.fallbacks;
                continue;
            }
            for (int r = 0; r < 60; ++r) {
                const Vector3 d = ray(sample, frustum, eye, r);
                if (insideFrustum(frustum, d)) {
                    ASSERT_TRUE(firstHitIsInView(station, cellOf, view, eye, d, reach, run.rays));
                }
            }
        }
    }
}

TEST(PortalWalk, TheRoomARayHitsFirstIsAlwaysVisible) {
    ViewsRun run;
    ASSERT_NO_FATAL_FAILURE(checkViews(
        15015u, 1000, 20.0f,
        [](Sampler& sample) {
            const Vector3 eye = sample.eyeIn(sample.anyRoom());
            return std::pair{eye, sample.doorEdgePoint()};
        },
        // Half the rays aim at door edges, where the gaps between walls begin.
        [](Sampler& sample, const ViewFrustum& frustum, Vector3 eye, int r) {
            return r % 2 == 0 ? sample.directionInside(frustum) : sample.doorEdgePoint() - eye;
        },
        run));
    // The walk must decide most views itself, or the property says little.
    EXPECT_LT(run.fallbacks, run.views / 3);
    EXPECT_GT(run.rays.checked, 50000);
    EXPECT_GT(run.rays.grazing, 50);
}

TEST(PortalWalk, FromTheOpenSpaceTheRoomARayHitsFirstIsAlwaysVisible) {
    ViewsRun run;
    ASSERT_NO_FATAL_FAILURE(checkViews(
        20261210u, 400, 40.0f,
        [](Sampler& sample) {
            const Vector3 eye = sample.eyeInOpenSpace();
            return std::pair{eye, sample.below(2) == 0 ? sample.doorEdgePoint()
                                                       : sample.eyeIn(sample.anyRoom())};
        },
        // Some rays aim at the rims of the gaps between walls, where cells meet, and some of
        // those at the points where eight cells meet.
        [](Sampler& sample, const ViewFrustum& frustum, Vector3 eye, int r) {
            Vector3 d = sample.directionInside(frustum);
            if (r % 2 == 1) {
                Vector3 rim = sample.doorEdgePoint();
                rim.x = std::round(rim.x) + sample.uniform(-0.01f, 0.01f);
                if (r % 4 == 3) {
                    rim.y = std::round(rim.y) + sample.uniform(-0.01f, 0.01f);
                    rim.z = std::round(rim.z) + sample.uniform(-0.01f, 0.01f);
                }
                d = rim - eye;
            }
            return d;
        },
        run));
    // A third of the eyes sit on the plane of a gap, where views often cannot be judged.
    EXPECT_LT(run.fallbacks, run.views * 2 / 5);
    EXPECT_GT(run.rays.checked, 20000);
}

TEST(PortalWalk, TakesEveryCellWhereItCannotJudge) {
    StationRandomScope sequence;
    const Structure station(nullptr);
    const CellPosition start = station.start();
    const Vector3 middle{float(start.x) + 0.5f, float(start.y) + 0.5f, float(start.z) + 0.5f};
    ViewFrustum f =
        ViewFrustum::fromOrientation(Matrix4::identity(), middle, 60.0f, kAspect, 0.01f);

    const PortalView fromMiddle = walkPortals(station.cells, f);
    EXPECT_FALSE(fromMiddle.seesEverything());
    EXPECT_TRUE(fromMiddle.cells.contains(cellIndex(start)));

    f.eye = middle + Vector3{0.0f, 0.5f - kWallInset - 0.01f, 0.0f}; // 0.01 from the ceiling
    EXPECT_EQ(walkPortals(station.cells, f).fallback, PortalFallback::EyeNearWall);
    // Between the walls of two neighbouring rooms on the path.
    const CellPosition a = station.path()[0];
    const CellPosition b = station.path()[1];
    f.eye =
        Vector3{float(a.x + b.x) + 1.0f, float(a.y + b.y) + 1.0f, float(a.z + b.z) + 1.0f} * 0.5f;
    EXPECT_EQ(walkPortals(station.cells, f).cells, CellSet::all());

    // Outside the station, looking at it, and facing away.
    f.eye = {-1.5f, 4.3f, 4.6f};
    f.forward = {1.0f, 0.0f, 0.0f};
    f.side = {0.0f, 0.0f, -1.0f};
    const PortalView outside = walkPortals(station.cells, f);
    EXPECT_FALSE(outside.seesEverything());
    EXPECT_GT(outside.cells.size(), 0);
    f.forward = -f.forward;
    f.side = -f.side;
    EXPECT_EQ(walkPortals(station.cells, f).cells.size(), 0);
}

} // namespace
} // namespace trovane
