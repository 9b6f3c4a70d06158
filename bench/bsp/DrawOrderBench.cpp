// The renderer's rebuild of its draw list: a full walk over the station's 220 leaves.
#include "bsp/DrawOrder.h"

#include "bench/bsp/StationFixture.h"

#include <random>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using trovane::Vector3;

std::vector<Vector3> makeEyes() {
    std::mt19937 rng(9);
    std::uniform_real_distribution<float> coord(0.0f, 8.0f);
    std::vector<Vector3> eyes;
    for (int i = 0; i < 64; ++i) {
        eyes.emplace_back(coord(rng), coord(rng), coord(rng));
    }
    return eyes;
}

template <typename Entry>
void collectWalk(benchmark::State& state, bool freeStorage) {
    const auto& grid = trovane::bench::station();
    const std::vector<Vector3> eyes = makeEyes();
    std::vector<Entry> drawList;
    drawList.reserve(1000);
    std::size_t i = 0;
    for (auto _ : state) {
        // As the renderer does: release every entry (and, if asked, the storage), then walk.
        drawList.clear();
        if (freeStorage) {
            drawList.shrink_to_fit();
            drawList.reserve(1000);
        }
        trovane::collectDrawList(*grid.tree, drawList, grid.tree->root(), eyes[i], (i & 1) != 0,
                                 -1);
        benchmark::DoNotOptimize(drawList.data());
        i = (i + 1) % eyes.size();
    }
    state.counters["leaves"] = static_cast<double>(drawList.size());
}

void BM_CollectDrawList(benchmark::State& state) {
    collectWalk<trovane::SharedPtr<trovane::Geometry>>(state, false);
}
BENCHMARK(BM_CollectDrawList)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_CollectDrawListFreeingStorage(benchmark::State& state) {
    collectWalk<trovane::SharedPtr<trovane::Geometry>>(state, true);
}
BENCHMARK(BM_CollectDrawListFreeingStorage)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_CollectMeshDrawList(benchmark::State& state) {
    collectWalk<trovane::SharedPtr<trovane::Mesh>>(state, false);
}
BENCHMARK(BM_CollectMeshDrawList)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
