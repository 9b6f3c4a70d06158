// Frames per second of the station drawn whole and drawn with portal culling, side by side in one
// run: at 800 x 600 on a virtual X server of its own (Mesa's software renderer), depth test on,
// back to front, from the start room, from 20 random views inside rooms of the first station and
// from 12 views of the timedemo's path around it. Each view alternates the two ways in rounds and
// keeps the median of each. On the path it also compares the two pictures pixel for pixel, and
// measures the limit of any culling by rooms: the station rebuilt from only the rooms some pixel
// shows (a ray cast through each pixel's centre), and nothing but the overlay.
//
// usage: bench_culling_frame_rate [ROUNDS] [FRAMES_PER_ROUND]
#include "app/Application.h"
#include "app/ProgramGlobals.h"
#include "app/Startup.h"
#include "app/frame/DemoFlight.h"
#include "app/render/Projection.h"
#include "bench/app/BenchStage.h"
#include "bsp/Collision.h"
#include "world/StationTree.h"

#include "tests/support/TempDir.h"
#include "tests/support/XvfbServer.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

namespace {

using namespace trovane;
using bench::median;

using bench::kHeight;
using bench::kWidth;

struct View {
    Vector3 eye;
    Matrix4 orientation;
};

std::vector<View> randomInteriorViews(const Structure& station, int count) {
    std::mt19937 random(20261208u);
    std::uniform_int_distribution<int> cell(0, kStationExtent - 1);
    std::uniform_real_distribution<float> local(0.1f, 0.9f);
    std::uniform_real_distribution<float> yaw(-3.1415927f, 3.1415927f);
    std::uniform_real_distribution<float> pitch(-0.8f, 0.8f);
    std::vector<View> views;
    while (static_cast<int>(views.size()) < count) {
        const CellPosition room{cell(random), cell(random), cell(random)};
        if (station.cells[std::size_t(cellIndex(room))] == kCellEmpty) {
            continue;
        }
        const Vector3 eye{float(room.x) + local(random), float(room.y) + local(random),
                          float(room.z) + local(random)};
        views.push_back({eye, yawPitch(yaw(random), pitch(random))});
    }
    return views;
}

// The timedemo's views: its fixed step of 1/60 s from the shipped start height.
std::vector<View> demoPathViews(int count) {
    std::vector<View> views;
    for (int i = 0; i < count; ++i) {
        View view{{0.0f, 5.5f, 0.0f}, yawPitch(0.0f, 0.0f)};
        flyDemo(10.0 * i / count, view.eye, view.orientation);
        views.push_back(view);
    }
    return views;
}

struct Measured {
    double fpsAll = 0.0;
    double fpsCulled = 0.0;
    int roomsDrawn = 0;
    PortalFallback fallback = PortalFallback::None;
    bool fellBack = false;
};

// Frames per second of frames drawn one after another and shown.
double frameRate(Application& app, const View& view, bool culling, int frames,
                 const SharedPtr<BspTree>* tree = nullptr) {
    FrameStep step;
    step.orientation = view.orientation;
    const FrameView frame =
        bench::stageView(app, view.eye, tree != nullptr ? *tree : app.tree, "Trovane", culling);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) {
        FrameDrawing::begin();
        app.frameDrawing.draw(step, frame);
        app.Present();
    }
    glFinish();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return frames / took.count();
}

Measured measure(Application& app, const View& view, int rounds, int frames) {
    frameRate(app, view, false, 2); // warm-up: draw list, display lists, caches
    frameRate(app, view, true, 2);
    Measured result;
    result.roomsDrawn = app.frameDrawing.culling().roomsDrawn();
    result.fallback = app.frameDrawing.culling().fallback();
    result.fellBack = app.frameDrawing.culling().drawsEverything();
    std::vector<double> all;
    std::vector<double> culled;
    for (int r = 0; r < rounds; ++r) {
        all.push_back(frameRate(app, view, false, frames));
        culled.push_back(frameRate(app, view, true, frames));
    }
    result.fpsAll = median(all);
    result.fpsCulled = median(culled);
    return result;
}

// The frame drawn each way, read back; how many pixels differ, and how many of those show the
// background in the culled picture.
std::pair<int, int> comparePictures(Application& app, const View& view) {
    std::vector<std::vector<unsigned char>> pictures;
    for (bool culling : {false, true}) {
        FrameStep step;
        step.orientation = view.orientation;
        const FrameView frame = bench::stageView(app, view.eye, app.tree, "Trovane", culling);
        FrameDrawing::begin();
        app.frameDrawing.draw(step, frame);
        glFinish();
        std::vector<unsigned char> pixels(std::size_t(kWidth) * kHeight * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        app.Present();
        pictures.push_back(std::move(pixels));
    }
    int differing = 0;
    int background = 0;
    for (std::size_t i = 0; i < pictures[0].size(); i += 3) {
        if (!std::equal(&pictures[0][i], &pictures[0][i] + 3, &pictures[1][i])) {
            ++differing;
            background += pictures[1][i] == 0 && pictures[1][i + 1] == 0 && pictures[1][i + 2] == 0;
        }
    }
    return {differing, background};
}

// The rooms whose walls some pixel of the view shows first.
CellMap roomsShown(const Application& app, const View& view, int& count) {
    const ViewFrustum f = ViewFrustum::fromOrientation(
        view.orientation, view.eye, static_cast<float>(kFieldOfViewDegrees),
        float(kWidth) / kHeight, static_cast<float>(kNearPlane));
    CellMap kept;
    kept.fill(kCellEmpty);
    count = 0;
    for (int py = 0; py < kHeight; ++py) {
        for (int px = 0; px < kWidth; ++px) {
            const float x = 2.0f * (float(px) + 0.5f) / kWidth - 1.0f;
            const float y = 2.0f * (float(py) + 0.5f) / kHeight - 1.0f;
            const Vector3 d =
                f.forward - f.side * (x * f.tanHalfWidth) - f.up * (y * f.tanHalfHeight);
            const HitRecord hit = collide(*app.tree, view.eye, view.eye + d * 40.0f, 0.0f);
            if (!hit.isHit()) {
                continue;
            }
            // Walls stand inside their room's cell, so the hit point names the room.
            const int cell = cellIndex(int(std::floor(hit.point.x)), int(std::floor(hit.point.y)),
                                       int(std::floor(hit.point.z)));
            if (cell >= 0 && cell < kStationCellCount && kept[std::size_t(cell)] == kCellEmpty) {
                kept[std::size_t(cell)] = app.structure.cells[std::size_t(cell)];
                ++count;
            }
        }
    }
    return kept;
}

struct Limit {
    double fpsAll = 0.0;
    double fpsShown = 0.0;
    double fpsNothing = 0.0;
    int roomsShown = 0;
};

// All rooms, only the rooms shown and no station at all, alternating in rounds; each run starts
// with one frame untimed, which records the display lists of the tree it switched to.
Limit measureLimit(Application& app, const View& view, int rounds, int frames) {
    Limit limit;
    const SharedPtr<BspTree> shown = buildStationTree(roomsShown(app, view, limit.roomsShown));
    const SharedPtr<BspTree> nothing;
    std::vector<double> all;
    std::vector<double> onlyShown;
    std::vector<double> none;
    const std::array<std::pair<const SharedPtr<BspTree>*, std::vector<double>*>, 3> ways{
        {{&app.tree, &all}, {&shown, &onlyShown}, {&nothing, &none}}};
    for (int r = 0; r < rounds; ++r) {
        for (const auto& [tree, into] : ways) {
            frameRate(app, view, false, 1, tree);
            into->push_back(frameRate(app, view, false, frames, tree));
        }
    }
    limit.fpsAll = median(all);
    limit.fpsShown = median(onlyShown);
    limit.fpsNothing = median(none);
    return limit;
}

void print(const char* name, const View& view, const Measured& m) {
    std::printf(
        "%-8s eye (%.2f, %.2f, %.2f)  rooms %3d%s  all %7.1f fps  culled %7.1f fps  x%.2f\n", name,
        view.eye.x, view.eye.y, view.eye.z, m.roomsDrawn,
        m.fellBack ? " (fell back)" : "            ", m.fpsAll, m.fpsCulled,
        m.fpsCulled / m.fpsAll);
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    test::XvfbServer server;
    server.exportDisplay();
    test::TempDir folder("trovane-culling-bench");
    if (!bench::enterStageFolder(folder, bench::stageSettings("Culling frame rate"),
                                 "bench_culling_frame_rate")) {
        return 1;
    }
    Application app; // the first station of the sequence
    if (!app.Init("Culling frame rate", false, kWidth, kHeight)) {
        return 1;
    }
    int rooms = 0;
    for (CellCode code : app.structure.cells) {
        rooms += code != kCellEmpty ? 1 : 0;
    }
    std::printf("%d rounds of %d frames per way and view, median per view; %d rooms\n", rounds,
                frames, rooms);

    const View start{{7.5f, 5.5f, 4.5f}, Matrix4::identity()};
    const Measured fromStart = measure(app, start, rounds, frames);
    print("start", start, fromStart);

    double sumAll = 0.0;
    double sumCulled = 0.0;
    int fellBack = 0;
    const std::vector<View> views = randomInteriorViews(app.structure, 20);
    for (std::size_t i = 0; i < views.size(); ++i) {
        const Measured m = measure(app, views[i], rounds, frames);
        char name[32];
        std::snprintf(name, sizeof name, "view %zu", i + 1);
        print(name, views[i], m);
        sumAll += m.fpsAll;
        sumCulled += m.fpsCulled;
        fellBack += m.fellBack ? 1 : 0;
    }
    double pathAll = 0.0;
    double pathCulled = 0.0;
    double pathRooms = 0.0;
    double limitAll = 0.0;
    double limitShown = 0.0;
    double limitNothing = 0.0;
    double limitRooms = 0.0;
    const std::vector<View> path = demoPathViews(12);
    for (std::size_t i = 0; i < path.size(); ++i) {
        const Measured m = measure(app, path[i], rounds, frames);
        char name[32];
        std::snprintf(name, sizeof name, "path %zu", i + 1);
        print(name, path[i], m);
        const auto [differing, background] = comparePictures(app, path[i]);
        std::printf("         pixels differing %d, of them background in the culled picture %d\n",
                    differing, background);
        const Limit limit = measureLimit(app, path[i], rounds, frames);
        std::printf("         limit: %3d rooms shown %7.1f fps (x%.2f of all at %.1f fps), "
                    "nothing drawn %7.1f fps\n",
                    limit.roomsShown, limit.fpsShown, limit.fpsShown / limit.fpsAll, limit.fpsAll,
                    limit.fpsNothing);
        limitAll += limit.fpsAll;
        limitShown += limit.fpsShown;
        limitNothing += limit.fpsNothing;
        limitRooms += limit.roomsShown;
        pathAll += m.fpsAll;
        pathCulled += m.fpsCulled;
        pathRooms += m.roomsDrawn;
    }
    std::printf("demo path: mean all %.1f fps, mean culled %.1f fps, x%.2f, mean rooms %.1f\n",
                pathAll / path.size(), pathCulled / path.size(), pathCulled / pathAll,
                pathRooms / path.size());
    std::printf("demo path limit: only the %.1f rooms shown %.1f fps, x%.2f of all at %.1f fps; "
                "nothing drawn %.1f fps\n",
                limitRooms / path.size(), limitShown / path.size(), limitShown / limitAll,
                limitAll / path.size(), limitNothing / path.size());
    const double n = static_cast<double>(views.size());
    std::printf("start room: all %.1f fps, culled %.1f fps, x%.2f\n", fromStart.fpsAll,
                fromStart.fpsCulled, fromStart.fpsCulled / fromStart.fpsAll);
    std::printf("20 views: mean all %.1f fps, mean culled %.1f fps, x%.2f; fell back in %d of %d\n",
                sumAll / n, sumCulled / n, sumCulled / sumAll, fellBack, int(n));
    return 0;
}
