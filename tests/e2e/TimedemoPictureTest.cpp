// Culling the rooms leaves the pictures of the demo flight unchanged: the
// timedemo's frames along the whole demo circle, saved with --shots, compared
// pixel for pixel between a run that culls and one that draws every room.
#include "Stage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace e2e {
namespace {

// One turn of the demo circle takes 10 pi seconds of flight.
constexpr int kShots = 32;
constexpr int kRunSeconds = 32;
// A small window keeps both runs fast on a loaded machine; the rooms still
// cover many pixels each.
constexpr int kWidth = 192;
constexpr int kHeight = 144;
// The runs last kRunSeconds, longer only when a slow machine needs more time
// to reach the last shot.
constexpr Milliseconds kRunLimit{150000};

std::string shotList() {
    std::string list;
    for (int i = 0; i < kShots; ++i) {
        list += (i > 0 ? "," : "") + std::to_string(i);
    }
    return list;
}

std::string shotName(int second) {
    char name[64];
    std::snprintf(name, sizeof name, "timedemo-%d.000.png", second);
    return name;
}

ProgramSetup timedemoWithShots(const char* portalCulling) {
    ProgramSetup setup;
    (*setup.settings)["Program.Width"] = std::to_string(kWidth);
    (*setup.settings)["Program.Height"] = std::to_string(kHeight);
    (*setup.settings)["Rendering.PortalCulling"] = portalCulling;
    setup.arguments = {"-timedemo", std::to_string(kRunSeconds), "--shots", shotList()};
    return setup;
}

bool background(Rgb p) {
    return p.r == 0 && p.g == 0 && p.b == 0;
}

// The differing pixels when each is a lone crack at a T-junction of two walls:
// no neighbour differs, and the culled picture shows background there, as the
// walk follows the true geometry and does not reach what shows through the
// crack. -1 for any other difference.
int crackPixels(const Image& all, const Image& culled) {
    const auto differs = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= all.width() || y >= all.height()) {
            return false;
        }
        const Rgb a = all.at(x, y);
        const Rgb c = culled.at(x, y);
        return a.r != c.r || a.g != c.g || a.b != c.b;
    };
    int cracks = 0;
    for (int y = 0; y < all.height(); ++y) {
        for (int x = 0; x < all.width(); ++x) {
            if (!differs(x, y)) {
                continue;
            }
            const bool alone = !differs(x - 1, y) && !differs(x + 1, y) && !differs(x, y - 1) &&
                               !differs(x, y + 1);
            if (!alone || !background(culled.at(x, y))) {
                return -1;
            }
            ++cracks;
        }
    }
    return cracks;
}

TEST(TimedemoPictures, CulledFramesAreEveryRoomsFramesAlongTheWholeCircle) {
    // Side by side, each on its own server: the runs last their seconds anyway.
    XvfbServer culledServer;
    XvfbServer everyServer;
    ProgramRun culled(culledServer.display(), timedemoWithShots("1"));
    ProgramRun every(everyServer.display(), timedemoWithShots("0"));
    ASSERT_EQ(culled.process().waitExit(kRunLimit), std::optional<int>(0)) << culled.err();
    ASSERT_EQ(every.process().waitExit(kRunLimit), std::optional<int>(0)) << every.err();
    int showingStation = 0;
    for (int second = 0; second < kShots; ++second) {
        const std::string name = shotName(second);
        const std::optional<Image> a = Image::readPng(every.directory() / "screenshots" / name);
        const std::optional<Image> c = Image::readPng(culled.directory() / "screenshots" / name);
        ASSERT_TRUE(a && c) << name << " missing";
        ASSERT_EQ(a->width(), kWidth);
        ASSERT_EQ(c->width(), kWidth);
        ASSERT_EQ(c->height(), kHeight);
        const int cracks = crackPixels(*a, *c);
        EXPECT_GE(cracks, 0) << name << ": the culled frame lost more than lone crack pixels";
        EXPECT_LE(cracks, 10) << name;
        const int lit = kWidth * kHeight - c->count(0, 0, kWidth, kHeight, background);
        showingStation += lit > kWidth * kHeight / 10 ? 1 : 0;
    }
    // Frames of empty space would prove nothing.
    EXPECT_GE(showingStation, kShots / 2);
}

} // namespace
} // namespace e2e
