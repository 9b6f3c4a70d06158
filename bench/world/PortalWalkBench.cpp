// The per-frame portal walk alone, over random views from inside the rooms of the first station.
#include "world/PortalWalk.h"

#include "math/Matrix4.h"
#include "world/StationRandom.h"
#include "world/Structure.h"

#include <random>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using namespace trovane;

const Structure& firstStation() {
    static const Structure station = [] {
        StationRandomScope sequence;
        return Structure(nullptr);
    }();
    return station;
}

// Eyes anywhere in a room but off its walls, looking anywhere, as a user flies.
std::vector<ViewFrustum> interiorViews(const Structure& station) {
    std::mt19937 random(2026u);
    std::uniform_int_distribution<int> cell(0, kStationExtent - 1);
    std::uniform_real_distribution<float> local(0.1f, 0.9f);
    std::uniform_real_distribution<float> angle(-3.1415927f, 3.1415927f);
    std::vector<ViewFrustum> views;
    while (views.size() < 256) {
        const CellPosition room{cell(random), cell(random), cell(random)};
        if (station.cells[std::size_t(cellIndex(room))] == kCellEmpty) {
            continue;
        }
        const Vector3 eye{float(room.x) + local(random), float(room.y) + local(random),
                          float(room.z) + local(random)};
        const Matrix4 turn = yawPitch(angle(random), 0.5f * angle(random));
        views.push_back(ViewFrustum::fromOrientation(turn, eye, 60.0f, 4.0f / 3.0f, 0.01f));
    }
    return views;
}

void BM_PortalWalk(benchmark::State& state) {
    const Structure& station = firstStation();
    const std::vector<ViewFrustum> views = interiorViews(station);
    std::size_t i = 0;
    double reached = 0.0;
    double fallbacks = 0.0;
    double walks = 0.0;
    for (auto _ : state) {
        const PortalView view = walkPortals(station.cells, views[i]);
        benchmark::DoNotOptimize(view);
        reached += view.seesEverything() ? 0.0 : view.cells.size();
        fallbacks += view.seesEverything() ? 1.0 : 0.0;
        walks += 1.0;
        i = (i + 1) % views.size();
    }
    int rooms = 0;
    for (CellCode code : station.cells) {
        rooms += code != kCellEmpty ? 1 : 0;
    }
    state.counters["rooms"] = rooms;
    state.counters["reached"] = reached / (walks - fallbacks);
    state.counters["fallbacks"] = fallbacks / walks;
}
BENCHMARK(BM_PortalWalk)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
