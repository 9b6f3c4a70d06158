#include "world/PathGrid.h"
#include "world/RoomWalls.h"
#include "world/StationRandom.h"
#include "world/Structure.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace trovane {
namespace {

constexpr int kStationsPerRun = 100;
constexpr int kRepetitions = 10;

// The whole generation, meshes and tree included, over the first 100 stations of the sequence
// with their failed attempts. The "station" counter is the mean time per station.
void BM_StationGeneration(benchmark::State& state) {
    for (auto _ : state) {
        StationRandomScope sequence;
        for (int i = 0; i < kStationsPerRun; ++i) {
            Structure station(nullptr);
            benchmark::DoNotOptimize(station.tree.get());
        }
    }
    state.counters["station"] =
        benchmark::Counter(kStationsPerRun, benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
}
BENCHMARK(BM_StationGeneration)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

// One search on the grid of each of the first 20 stations, start to end.
void BM_FindPath(benchmark::State& state) {
    const std::vector<Structure> stations = firstStations(20);
    std::vector<std::unique_ptr<PathGrid>> grids;
    for (const Structure& s : stations) {
        auto grid = std::make_unique<PathGrid>(8, 8, 8);
        for (int x = 0; x < 8; ++x) {
            for (int y = 0; y < 8; ++y) {
                for (int z = 0; z < 8; ++z) {
                    const bool room = s.cells[std::size_t(cellIndex(x, y, z))] != kCellEmpty;
                    grid->setCell(
                        {std::uint32_t(x + 1), std::uint32_t(y + 1), std::uint32_t(z + 1)},
                        room ? 0 : 1);
                }
            }
        }
        grid->start = {std::uint32_t(s.start().x + 1), std::uint32_t(s.start().y + 1),
                       std::uint32_t(s.start().z + 1)};
        grid->goal = {std::uint32_t(s.end().x + 1), std::uint32_t(s.end().y + 1),
                      std::uint32_t(s.end().z + 1)};
        grids.push_back(std::move(grid));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(grids[next]->findPath(1.0f));
        next = (next + 1) % grids.size();
    }
}
BENCHMARK(BM_FindPath)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

// Every room of the first station in turn.
void BM_BuildCellMesh(benchmark::State& state) {
    const Structure station = firstStations(1).front();
    std::vector<CellPosition> rooms;
    for (int i = 0; i < kStationCellCount; ++i) {
        if (station.cells[std::size_t(i)] != kCellEmpty) {
            rooms.push_back({i / 64, i / 8 % 8, i % 8});
        }
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const CellPosition p = rooms[next];
        benchmark::DoNotOptimize(buildCellMesh(station.cells, p.x, p.y, p.z).get());
        next = (next + 1) % rooms.size();
    }
}
BENCHMARK(BM_BuildCellMesh)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace trovane

BENCHMARK_MAIN();
