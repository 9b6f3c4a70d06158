// The frame's CPU work without GL: one update half (keys, mouse, demo,
// bombs, collision probe) in typical situations, and one rebuild of the
// draw list, both on the first station of every run.
#include "app/frame/BombFlight.h"
#include "app/frame/DrawListCache.h"
#include "app/frame/FrameUpdate.h"
#include "world/StationRandom.h"
#include "world/Structure.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace trovane {
namespace {

constexpr double kFrameTime = 1.0 / 60.0;
constexpr unsigned char kKeyRight = 0xCD;

// Devices that answer at once, as a polled device with nothing to read does.
class StillKeyboard final : public Keyboard {
public:
    bool rightHeld = false;
    bool IsKeyDown(char key, bool byCharacter) override {
        return rightHeld && !byCharacter && static_cast<unsigned char>(key) == kKeyRight;
    }
    void Initialize() override {}
    void Release() override {}
};

class TurningMouse final : public Mouse {
public:
    int x = 0;
    bool turning = false;
    int GetX() override { return turning ? ++x : x; }
    int GetY() override { return 0; }
    int GetWheel() override { return 0; }
    bool IsLeftButtonDown() override { return false; }
    bool IsRightButtonDown() override { return false; }
    bool IsMiddleButtonDown() override { return false; }
    void Initialize(int, int) override {}
    void SetPosition(int, int) override {}
    void Release() override {}
};

class NoSwitches final : public RenderSwitches {
public:
    void setDepthTest(bool) override {}
    void setPolygonMode(PolygonMode) override {}
};

struct Situation {
    bool moving = false;
    bool turning = false;
    bool demo = false;
    int bombs = 0;
};

Structure firstStation() {
    StationRandomScope sequence;
    return Structure(nullptr);
}

void runFrames(benchmark::State& state, const Situation& situation) {
    Structure structure = firstStation();
    SharedPtr<BspTree> tree = structure.tree;
    // In the start room: bombs bounce off its walls or leave through its
    // doors and its opening to the outside.
    const CellPosition start = structure.start();
    Vector3 position{start.x + 0.5f, start.y + 0.5f, start.z + 0.5f};
    std::vector<SharedPtr<Bomb>> bombs;
    for (int i = 0; i < situation.bombs; ++i) {
        Bomb bomb = reflectingBomb(position, normalised(Vector3(1.0f, 0.3f * i, 0.7f)));
        bomb.life = 1e30f; // bounces for the whole run
        bombs.push_back(makeShared<Bomb>(bomb));
    }
    bool demoMode = situation.demo;
    bool zTest = true;
    bool frontToBack = false;
    bool collision = true;
    FrameScene scene{position, structure, tree, bombs, demoMode, zTest, frontToBack, collision};
    StillKeyboard keyboard;
    keyboard.rightHeld = situation.moving;
    TurningMouse mouse;
    mouse.turning = situation.turning;
    NoSwitches switches;
    double now = 0.0;
    const FrameInputs inputs{&keyboard, &mouse, switches, [&now] { return now; }};
    FrameUpdate update;
    const Vector3 home = position;
    for (auto _ : state) {
        now += kFrameTime;
        FrameStep step = update.run(scene, inputs);
        benchmark::DoNotOptimize(step);
        if (situation.moving && length(position - home) > 0.3f) {
            position = home; // keep walking inside the room
        }
    }
}

void BM_FrameUpdate_Still(benchmark::State& state) {
    runFrames(state, {});
}
void BM_FrameUpdate_MovingAndTurning(benchmark::State& state) {
    runFrames(state, {true, true, false, 0});
}
void BM_FrameUpdate_Demo(benchmark::State& state) {
    runFrames(state, {false, false, true, 0});
}
void BM_FrameUpdate_TurningWith20Bombs(benchmark::State& state) {
    runFrames(state, {false, true, false, 20});
}

// Clearing the list, reserving 1000 entries and walking the whole tree.
void BM_DrawListRebuild(benchmark::State& state) {
    const Structure structure = firstStation();
    const CellPosition start = structure.start();
    const Vector3 eye{start.x + 0.5f, start.y + 0.5f, start.z + 0.5f};
    DrawListCache cache;
    bool frontToBack = false;
    for (auto _ : state) {
        frontToBack = !frontToBack;
        benchmark::DoNotOptimize(cache.update(structure.tree, eye, frontToBack, true, false));
    }
    state.counters["meshes"] = double(cache.meshes().size());
}

// The draw list kept: only the leaf lookup.
void BM_DrawListKept(benchmark::State& state) {
    const Structure structure = firstStation();
    const CellPosition start = structure.start();
    const Vector3 eye{start.x + 0.5f, start.y + 0.5f, start.z + 0.5f};
    DrawListCache cache;
    cache.update(structure.tree, eye, false, false, false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(cache.update(structure.tree, eye, false, false, false));
    }
}

constexpr int kRepetitions = 10;

BENCHMARK(BM_FrameUpdate_Still)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_FrameUpdate_MovingAndTurning)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_FrameUpdate_Demo)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_FrameUpdate_TurningWith20Bombs)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawListRebuild)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawListKept)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);

} // namespace
} // namespace trovane

BENCHMARK_MAIN();
