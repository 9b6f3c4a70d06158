// The station's walls sent three ways, side by side in one run: immediate mode
// (every vertex every frame), the display lists recorded once per station,
// and one glDrawArrays over the same vertices; plus the whole frame as the
// program draws it (overlay included) both ways, an empty frame, the overlay
// alone, and what a regeneration costs with and without recording the lists.
// At 800 x 600 on a virtual X server of its own (Mesa's software renderer),
// the first station from its start room, depth test on, back to front, every
// room drawn (no portal culling). Rounds alternate the ways; medians are kept.
//
// usage: bench_draw_paths [ROUNDS] [FRAMES_PER_ROUND] [REGENERATIONS]
#include "app/Application.h"
#include "app/ProgramGlobals.h"
#include "app/Startup.h"
#include "app/render/MeshDrawing.h"
#include "app/render/StationDisplayLists.h"
#include "bench/app/BenchStage.h"
#include "bsp/DrawOrder.h"
#include "world/StationRandom.h"

#include "tests/support/TempDir.h"
#include "tests/support/XvfbServer.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace trovane;
using bench::median;
using Clock = std::chrono::steady_clock;

using bench::kHeight;
using bench::kWidth;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The walls in drawing order as one triangle array: position, colour,
// texture coordinate and normal per vertex, as the immediate calls send them.
struct WallArrays {
    std::vector<float> positions;
    std::vector<float> colors;
    std::vector<float> texCoords;
    std::vector<float> normals;
    GLsizei count = 0;

    explicit WallArrays(const std::vector<SharedPtr<Mesh>>& meshes) {
        for (const SharedPtr<Mesh>& mesh : meshes) {
            const SharedPtr<VertexList> vertices = mesh->vertexList();
            for (std::uint32_t k : mesh->drawOrder()) {
                const Vertex& v = (*vertices)[k];
                positions.insert(positions.end(), {v.position.x, v.position.y, v.position.z});
                colors.insert(colors.end(), {v.color.r, v.color.g, v.color.b, v.color.a});
                texCoords.insert(texCoords.end(), {v.tex0.s, v.tex0.t});
                normals.insert(normals.end(), {v.normal.x, v.normal.y, v.normal.z});
                ++count;
            }
        }
    }
    void draw() const {
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, positions.data());
        glColorPointer(4, GL_FLOAT, 0, colors.data());
        glTexCoordPointer(2, GL_FLOAT, 0, texCoords.data());
        glNormalPointer(GL_FLOAT, 0, normals.data());
        glDrawArrays(GL_TRIANGLES, 0, count);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
};

struct Way {
    std::string name;
    std::function<void()> frame;
    std::vector<double> fps;
    std::vector<double> cpuMs;
};

// Processor time of all the program's threads (the renderer's included), in
// ms: on a machine shared with other work it counts only what this work costs.
double processorMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Rate {
    double fps = 0.0;
    double cpuMsPerFrame = 0.0;
};

// Frames drawn one after another and shown: per second of wall time, and the
// processor time each took.
Rate frameRate(Application& app, const std::function<void()>& frame, int frames) {
    const Clock::time_point start = Clock::now();
    const double cpuStart = processorMilliseconds();
    for (int i = 0; i < frames; ++i) {
        frame();
        app.Present();
    }
    glFinish();
    return {frames * 1000.0 / millisecondsSince(start),
            (processorMilliseconds() - cpuStart) / frames};
}

// The camera as the frame sets it: the viewing matrix of Resize, then -eye.
void walls(Vector3 eye, const std::function<void()>& send) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glTranslatef(-eye.x, -eye.y, -eye.z);
    send();
    glPopMatrix();
}

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Generating a station and recording its lists (the old ones freed), as the
// wheel button does: wall time, and the processor time of this thread, which
// other work on a shared machine does not inflate.
void measureRegeneration(int count) {
    std::vector<double> structureMs;
    std::vector<double> listsMs;
    std::vector<double> togetherMs;
    std::vector<double> togetherProcessorMs;
    StationDisplayLists lists;
    for (int i = 0; i < count; ++i) {
        const double processorStart = threadMilliseconds();
        const Clock::time_point start = Clock::now();
        const Structure station(nullptr);
        structureMs.push_back(millisecondsSince(start));
        const Clock::time_point recording = Clock::now();
        lists.record(station.tree);
        glFinish();
        listsMs.push_back(millisecondsSince(recording));
        togetherMs.push_back(millisecondsSince(start));
        togetherProcessorMs.push_back(threadMilliseconds() - processorStart);
    }
    std::printf("regeneration over %d stations, medians: station %.2f ms, recording its lists "
                "%.2f ms, together %.2f ms (max %.2f ms); processor time together %.2f ms (max "
                "%.2f ms)\n",
                count, median(structureMs), median(listsMs), median(togetherMs),
                *std::max_element(togetherMs.begin(), togetherMs.end()),
                median(togetherProcessorMs),
                *std::max_element(togetherProcessorMs.begin(), togetherProcessorMs.end()));
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    const int regenerations = argc > 3 ? std::max(1, std::atoi(argv[3])) : 50;
    test::XvfbServer server;
    server.exportDisplay();
    test::TempDir folder("trovane-draw-paths-bench");
    if (!bench::enterStageFolder(folder, bench::stageSettings("Draw paths", "PortalCulling = 0\n"),
                                 "bench_draw_paths")) {
        return 1;
    }
    StationRandomScope firstStation;
    Application app;
    if (!app.Init("Draw paths", false, kWidth, kHeight)) {
        return 1;
    }
    const Vector3 eye(7.5f, 5.5f, 4.5f);
    std::vector<SharedPtr<Mesh>> meshes;
    collectDrawList(*app.tree, meshes, app.tree->root(), eye, false, -1);
    std::erase_if(meshes, [](const SharedPtr<Mesh>& mesh) { return !mesh; });
    const WallArrays arrays(meshes);
    StationDisplayLists lists;
    lists.record(app.tree);
    const GLuint texture = app.textures.empty() ? 0 : app.textures.front();

    FrameDrawing immediateFrame(StationMeshes::Immediate);
    FrameDrawing recordedFrame(StationMeshes::Recorded);
    FrameDrawing overlayFrame(StationMeshes::Immediate); // nothing but the overlay to draw
    const SharedPtr<BspTree> noTree;
    const FrameStep step;
    const auto frameView = [&](const SharedPtr<BspTree>& tree) {
        return bench::stageView(app, eye, tree, "Go ... 1.23", false);
    };
    std::vector<Way> ways = {
        {"immediate mode",
         [&] {
             walls(eye, [&] {
                 for (const SharedPtr<Mesh>& mesh : meshes) {
                     glBindTexture(GL_TEXTURE_2D, texture);
                     drawMeshImmediate(*mesh);
                 }
             });
         },
         {},
         {}},
        {"display lists",
         [&] {
             walls(eye, [&] {
                 for (const SharedPtr<Mesh>& mesh : meshes) {
                     glBindTexture(GL_TEXTURE_2D, texture);
                     glCallList(lists.listFor(mesh.get()));
                 }
             });
         },
         {},
         {}},
        {"one glDrawArrays",
         [&] {
             walls(eye, [&] {
                 glBindTexture(GL_TEXTURE_2D, texture);
                 arrays.draw();
             });
         },
         {},
         {}},
        {"frame, immediate",
         [&] {
             FrameDrawing::begin();
             immediateFrame.draw(step, frameView(app.tree));
         },
         {},
         {}},
        {"frame, lists",
         [&] {
             FrameDrawing::begin();
             recordedFrame.draw(step, frameView(app.tree));
         },
         {},
         {}},
        {"clear and swap", [&] { walls(eye, [] {}); }, {}, {}},
        {"overlay alone",
         [&] {
             FrameDrawing::begin();
             overlayFrame.draw(step, frameView(noTree));
         },
         {},
         {}},
    };
    for (Way& way : ways) {
        frameRate(app, way.frame, 3); // warm-up
    }
    for (int r = 0; r < rounds; ++r) {
        for (Way& way : ways) {
            const Rate rate = frameRate(app, way.frame, frames);
            way.fps.push_back(rate.fps);
            way.cpuMs.push_back(rate.cpuMsPerFrame);
        }
    }
    GLint depthBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    std::printf("800 x 600, %d-bit depth, first station from its start room, %zu rooms, %d "
                "vertices; %d rounds of %d frames, medians; processor time of all threads per "
                "frame\n",
                int(depthBits), meshes.size(), int(arrays.count), rounds, frames);
    const double arraysFps = median(ways[2].fps);
    const double arraysCpu = median(ways[2].cpuMs);
    for (const Way& way : ways) {
        const double fps = median(way.fps);
        const double cpu = median(way.cpuMs);
        std::printf("%-18s %7.1f fps  %7.2f ms  %.3f of arrays | processor %6.2f ms  arrays/this "
                    "%.3f\n",
                    way.name.c_str(), fps, 1000.0 / fps, fps / arraysFps, cpu, arraysCpu / cpu);
    }
    measureRegeneration(regenerations);
    return 0;
}
