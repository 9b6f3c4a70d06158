// The camera probe: collide along 100.3 units from a point inside a room.
#include "bsp/Collision.h"

#include "bench/bsp/StationFixture.h"

#include <random>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using trovane::Vector3;

constexpr float kProbeLength = 100.3f;
constexpr std::size_t kProbes = 512;

struct Probe {
    Vector3 from;
    Vector3 to;
};

// Starts anywhere inside a room's walls, in every direction.
std::vector<Probe> makeProbes(std::uint32_t seed) {
    const auto& grid = trovane::bench::station();
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> cell(0, grid.size - 1);
    std::uniform_real_distribution<float> inside(0.1f, 0.9f);
    std::normal_distribution<float> n;
    std::vector<Probe> probes;
    while (probes.size() < kProbes) {
        const int x = cell(rng);
        const int y = cell(rng);
        const int z = cell(rng);
        if (!grid.isRoom(x, y, z)) {
            continue;
        }
        const Vector3 from(x + inside(rng), y + inside(rng), z + inside(rng));
        const Vector3 direction = trovane::normalised(Vector3(n(rng), n(rng), n(rng)));
        probes.push_back({from, from + direction * kProbeLength});
    }
    return probes;
}

void BM_CollideProbeFromInsideARoom(benchmark::State& state) {
    const auto& tree = *trovane::bench::station().tree;
    const std::vector<Probe> probes = makeProbes(3);
    std::size_t i = 0;
    std::size_t hits = 0;
    for (auto _ : state) {
        const trovane::HitRecord h = trovane::collide(tree, probes[i].from, probes[i].to, 0.0f);
        hits += h.isHit() ? 1 : 0;
        benchmark::DoNotOptimize(h);
        i = (i + 1) % kProbes;
    }
    state.counters["hit_rate"] =
        benchmark::Counter(static_cast<double>(hits), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CollideProbeFromInsideARoom)->Repetitions(9)->ReportAggregatesOnly(true);

// The same probes with every mesh of the station tested, for scale.
void BM_ProbeAgainstEveryMesh(benchmark::State& state) {
    const auto& grid = trovane::bench::station();
    const std::vector<Probe> probes = makeProbes(3);
    std::size_t i = 0;
    for (auto _ : state) {
        const trovane::Ray ray(probes[i].from, trovane::normalised(probes[i].to - probes[i].from));
        float nearest = trovane::kInfinity;
        for (const auto& mesh : grid.all) {
            const trovane::HitRecord h = mesh->intersect(ray);
            nearest = h.distance < nearest ? h.distance : nearest;
        }
        benchmark::DoNotOptimize(nearest);
        i = (i + 1) % kProbes;
    }
}
BENCHMARK(BM_ProbeAgainstEveryMesh)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
