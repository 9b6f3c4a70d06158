// The portal walk of every frame of a 10 s timedemo of the first station: the demo flight at its
// fixed step of 1/60 s, from the shipped start height, with the program's projection.
#include "app/frame/DemoFlight.h"
#include "app/render/Projection.h"
#include "world/PortalWalk.h"
#include "world/StationRandom.h"
#include "world/Structure.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

namespace {

using namespace trovane;

constexpr float kStartHeight = 5.5f; // StartY of the shipped config.ini
constexpr int kFrames = 600;

std::vector<ViewFrustum> demoViews() {
    std::vector<ViewFrustum> views;
    for (int frame = 0; frame < kFrames; ++frame) {
        Vector3 position{0.0f, kStartHeight, 0.0f};
        Matrix4 orientation = yawPitch(0.0f, 0.0f);
        flyDemo(static_cast<double>(frame) / 60.0, position, orientation);
        views.push_back(ViewFrustum::fromOrientation(
            orientation, position, static_cast<float>(kFieldOfViewDegrees), 800.0f / 600.0f,
            static_cast<float>(kNearPlane)));
    }
    return views;
}

Structure firstStation() {
    StationRandomScope sequence;
    return Structure(nullptr);
}

void BM_PortalWalk_DemoPath(benchmark::State& state) {
    const Structure station = firstStation();
    const std::vector<ViewFrustum> views = demoViews();
    std::size_t i = 0;
    double drawn = 0.0;
    double walks = 0.0;
    std::array<double, 6> fallbacks{};
    int rooms = 0;
    for (CellCode code : station.cells) {
        rooms += code != kCellEmpty ? 1 : 0;
    }
    for (auto _ : state) {
        const PortalView view = walkPortals(station.cells, views[i]);
        benchmark::DoNotOptimize(view);
        drawn += view.seesEverything() ? rooms : view.cells.size();
        fallbacks[static_cast<std::size_t>(view.fallback)] += 1.0;
        walks += 1.0;
        i = (i + 1) % views.size();
    }
    state.counters["rooms"] = rooms;
    state.counters["drawn"] = drawn / walks;
    state.counters["outsideRoom"] = fallbacks[1] / walks;
    state.counters["nearWall"] = fallbacks[2] / walks;
    state.counters["grazingDoor"] = fallbacks[3] / walks;
    state.counters["tooComplex"] = fallbacks[4] / walks;
    state.counters["grazingSlab"] = fallbacks[5] / walks;
}
BENCHMARK(BM_PortalWalk_DemoPath)->Repetitions(9)->ReportAggregatesOnly(true);

// Each frame's walk timed on its own, since a frame's budget is about one frame: the median
// frame and the slow ones, each frame taken at its median over the iterations.
void BM_PortalWalk_DemoPathFrames(benchmark::State& state) {
    const Structure station = firstStation();
    const std::vector<ViewFrustum> views = demoViews();
    std::vector<std::vector<double>> micros(views.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < views.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            const PortalView view = walkPortals(station.cells, views[i]);
            benchmark::DoNotOptimize(view);
            const std::chrono::duration<double, std::micro> took =
                std::chrono::steady_clock::now() - start;
            micros[i].push_back(took.count());
        }
    }
    std::vector<double> frames;
    for (std::vector<double>& times : micros) {
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        frames.push_back(times[times.size() / 2]);
    }
    std::sort(frames.begin(), frames.end());
    state.counters["frameMedianUs"] = frames[frames.size() / 2];
    state.counters["frameP90Us"] = frames[frames.size() * 9 / 10];
    state.counters["frameMaxUs"] = frames.back();
}
BENCHMARK(BM_PortalWalk_DemoPathFrames)
    ->Iterations(15)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
