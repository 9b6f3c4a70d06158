// One room mesh against rays from inside it: the in-place query of Mesh::intersect against
// expanding the vertex list and building a Triangle per triple on every query.
#include "math/Mesh.h"
#include "math/Triangle.h"

#include "bench/bsp/StationFixture.h"

#include <random>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using trovane::Ray;
using trovane::Vector3;

// The station room with the most vertices, and rays from inside it.
struct RoomRays {
    const trovane::Geometry* room = nullptr;
    std::vector<Ray> rays;
};

RoomRays makeRoomRays() {
    const auto& grid = trovane::bench::station();
    RoomRays out;
    std::size_t most = 0;
    Vector3 centre;
    for (const auto& mesh : grid.all) {
        const std::size_t count = mesh->vertices().size();
        if (count > most) {
            most = count;
            out.room = mesh.get();
            centre = mesh->bounds().centre;
        }
    }
    std::mt19937 rng(4);
    std::uniform_real_distribution<float> offset(-0.4f, 0.4f);
    std::normal_distribution<float> n;
    for (int i = 0; i < 256; ++i) {
        const Vector3 from = centre + Vector3(offset(rng), offset(rng), offset(rng));
        out.rays.emplace_back(from, trovane::normalised(Vector3(n(rng), n(rng), n(rng))));
    }
    return out;
}

void BM_MeshIntersect(benchmark::State& state) {
    const RoomRays rr = makeRoomRays();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rr.room->intersect(rr.rays[i]));
        i = (i + 1) % rr.rays.size();
    }
    state.counters["vertices"] = static_cast<double>(rr.room->vertices().size());
}
BENCHMARK(BM_MeshIntersect)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_MeshIntersectExpandingVertices(benchmark::State& state) {
    const RoomRays rr = makeRoomRays();
    std::size_t i = 0;
    for (auto _ : state) {
        const Ray& ray = rr.rays[i];
        const std::vector<trovane::Vertex> v = rr.room->vertices();
        trovane::HitRecord best = trovane::missRecord(ray);
        for (std::size_t k = 0; k + 2 < v.size(); k += 3) {
            const trovane::HitRecord h = trovane::Triangle(v[k], v[k + 1], v[k + 2]).intersect(ray);
            if (h.distance < best.distance) {
                best = h;
            }
        }
        benchmark::DoNotOptimize(best);
        i = (i + 1) % rr.rays.size();
    }
}
BENCHMARK(BM_MeshIntersectExpandingVertices)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
