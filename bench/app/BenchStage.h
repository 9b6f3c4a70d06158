// What the benchmarks that run the whole program in a folder of their own share.
#pragma once

#include "app/Application.h"
#include "app/Startup.h"
#include "app/render/FrameDrawing.h"

#include "tests/support/TempDir.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace trovane::bench {

inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

// Depth test on, drawn back to front, no collisions, starting at (7.5, 5.5, 4.5); moreRendering
// adds lines to [Rendering].
inline std::string stageSettings(const std::string& title, const std::string& moreRendering = "") {
    return "[Program]\nTitle = " + title +
           "\nStatistics = 0\n"
           "[PlugIns]\nInput = Tactrel.dll\n"
           "[Rendering]\nZ-Test = 1\nFrontToBack = 0\nCollisionDetection = 0\n" +
           moreRendering + "[Level]\nStartX = 7.5\nStartY = 5.5\nStartZ = 4.5\n";
}

// The program's station seen from eye at kWidth x kHeight: depth test on, back to front, no bombs,
// the given tree (empty: nothing but the overlay) and status text.
inline FrameView stageView(const Application& app, Vector3 eye, const SharedPtr<BspTree>& tree,
                           const char* statusText, bool portalCulling) {
    static const std::vector<SharedPtr<Bomb>> noBombs;
    return FrameView{eye,
                     tree,
                     app.textures,
                     noBombs,
                     false,
                     true,
                     app.fontBase,
                     statusText,
                     &app.structure.cells,
                     portalCulling,
                     float(kWidth) / kHeight};
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

// Writes the settings and the wall texture into the folder, makes it the working folder and
// reads the settings there; false (with one line naming the benchmark) when they cannot be read.
inline bool enterStageFolder(const test::TempDir& folder, const std::string& settings,
                             const char* name) {
    folder.write("config.ini", settings);
    std::filesystem::create_directories(folder / "textures");
    std::filesystem::copy_file(std::filesystem::path(TROVANE_SOURCE_DIR) / "textures" /
                                   "morvex.jpg",
                               folder / "textures" / "morvex.jpg");
    std::filesystem::current_path(folder.path());
    if (!loadConfiguration()) {
        std::fprintf(stderr, "%s: the settings could not be read\n", name);
        return false;
    }
    return true;
}

} // namespace trovane::bench
