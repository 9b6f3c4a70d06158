// The drawing half in a real GL context on a virtual X server: the state the
// overlay leaves behind, which bombs are drawn, the station recorded into
// display lists drawing exactly what immediate mode draws, and portal culling
// leaving the picture unchanged.
#include "app/Application.h"

#include "app/ProgramGlobals.h"
#include "app/Startup.h"
#include "app/frame/BombFlight.h"
#include "tests/app/ProgramFolder.h"
#include "tests/app/frame/FirstStation.h"
#include "tests/support/DisplayForTests.h"
#include "world/RoomWalls.h"
#include "world/StationRandom.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace trovane {
namespace {

[[maybe_unused]] const auto* const display =
    ::testing::AddGlobalTestEnvironment(new test::DisplayForTests);

// Outside the back of the first station, looking away from it: nothing but
// what the test puts in front of the camera is drawn.
const char* const kSettings = R"([Program]
Title = Frame drawing test
[PlugIns]
Input = Tactrel.dll
[Rendering]
Z-Test = 1
CollisionDetection = 0
[Level]
StartX = 4.5
StartY = 4.5
StartZ = 9.0
)";

constexpr int kWidth = 320;
constexpr int kHeight = 240;

class FrameDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::ProgramFolder::loadSettings());
        ASSERT_TRUE(app.Init("Frame drawing", false, kWidth, kHeight));
    }

    // Draws one frame with these bombs through a drawing half of its own.
    void drawWith(const std::vector<SharedPtr<Bomb>>& bombs) {
        FrameDrawing::begin();
        const FrameStep step;
        const FrameView view{app.position, app.tree, app.textures, bombs,
                             false,        true,     app.fontBase, "Trovane"};
        drawing.draw(step, view);
    }

    static std::vector<GLubyte> backBuffer() {
        std::vector<GLubyte> pixels(std::size_t(kWidth) * kHeight * 4);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // The start view of the program: in the first station's start room.
    std::vector<GLubyte> startViewDrawnBy(FrameDrawing& station) {
        app.position = Vector3(7.5f, 5.5f, 4.5f);
        FrameDrawing::begin();
        const FrameStep step;
        const std::vector<SharedPtr<Bomb>> none;
        station.draw(step, {app.position, app.tree, app.textures, none, false, true, app.fontBase,
                            "Trovane"});
        return backBuffer();
    }

    static int pixelsOf(GLubyte r, GLubyte g, GLubyte b) {
        std::vector<GLubyte> pixels(std::size_t(kWidth) * kHeight * 4);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        int count = 0;
        for (std::size_t i = 0; i < pixels.size(); i += 4) {
            count += pixels[i] == r && pixels[i + 1] == g && pixels[i + 2] == b ? 1 : 0;
        }
        return count;
    }
    static int yellowPixels() { return pixelsOf(255, 255, 0); }

    static GLint integer(GLenum name) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    // Half a unit in front of the camera, in the middle of the view.
    SharedPtr<Bomb> bombAhead(bool reflecting, float life) const {
        Bomb bomb = reflecting ? reflectingBomb(app.position + Vector3(0, 0, 0.5f), {0, 0, 1})
                               : stickyBomb(app.position + Vector3(0, 0, 0.5f), {0, 0, 1});
        bomb.life = life;
        return makeShared<Bomb>(bomb);
    }

    test::ProgramFolder folder{kSettings, true};
    StationRandomScope firstStation; // app holds the first station of a run
    Application app;
    FrameDrawing drawing;
};

TEST_F(FrameDrawingTest, OverlayLeavesTheStateAsTheFrameFoundIt) {
    app.Step();
    app.Step();
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(integer(GL_PROJECTION_STACK_DEPTH), 1);
    EXPECT_EQ(integer(GL_ATTRIB_STACK_DEPTH), 0);
    EXPECT_EQ(integer(GL_LIST_BASE), 0) << "the font's list base is popped with its group";
    // The viewing matrix of Resize is in place again: diag(-1, -1, -1, 1).
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_EQ(m[0], -1.0f);
    EXPECT_EQ(m[5], -1.0f);
    EXPECT_EQ(m[10], -1.0f);
    EXPECT_EQ(m[12], 0.0f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(FrameDrawingTest, WithDepthTestingOffTheOverlayLeavesItOff) {
    app.zTest = false;
    glDisable(GL_DEPTH_TEST);
    app.Step();
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(FrameDrawingTest, OverlayDrawsTheCrossAndTheStatusLineInGrey) {
    drawWith({});
    EXPECT_GT(pixelsOf(128, 128, 128), 60) << "cross and text";
    const int withText = pixelsOf(128, 128, 128);
    FrameDrawing::begin();
    const FrameStep step;
    const std::vector<SharedPtr<Bomb>> none;
    drawing.draw(step, {app.position, app.tree, app.textures, none, false, true, app.fontBase, ""});
    EXPECT_LT(pixelsOf(128, 128, 128), withText) << "the cross alone";
    EXPECT_GT(pixelsOf(128, 128, 128), 10);
}

TEST_F(FrameDrawingTest, FlyingAndStuckBombsAreDrawnSpentReflectingOnesAreNot) {
    drawWith({});
    EXPECT_EQ(yellowPixels(), 0);
    drawWith({bombAhead(true, 10.0f)});
    EXPECT_GT(yellowPixels(), 50) << "a flying bomb";
    drawWith({bombAhead(false, 0.0f)});
    EXPECT_GT(yellowPixels(), 50) << "a sticky bomb that stopped";
    drawWith({bombAhead(true, 0.0f)});
    EXPECT_EQ(yellowPixels(), 0) << "a reflecting bomb whose life ran out";
}

TEST_F(FrameDrawingTest, PolygonModeDoesNotReachTheOverlay) {
    glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
    drawWith({bombAhead(false, 0.0f)});
    const int points = yellowPixels();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    drawWith({bombAhead(false, 0.0f)});
    EXPECT_LT(points, yellowPixels()) << "the bomb is drawn as points";
    glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
    drawWith({});
    EXPECT_GT(pixelsOf(128, 128, 128), 60) << "cross and text as usual";
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

TEST_F(FrameDrawingTest, RecordedStationDrawsEveryPixelAsImmediateModeDoes) {
    FrameDrawing immediate(StationMeshes::Immediate);
    FrameDrawing recorded(StationMeshes::Recorded);
    const std::vector<GLubyte> sent = startViewDrawnBy(immediate);
    const std::vector<GLubyte> replayed = startViewDrawnBy(recorded);
    ASSERT_EQ(sent.size(), replayed.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < sent.size(); i += 4) {
        differing += std::equal(&sent[i], &sent[i] + 4, &replayed[i]) ? 0 : 1;
    }
    EXPECT_EQ(differing, 0u);
    EXPECT_GT(std::count(sent.begin(), sent.end(), GLubyte(0)), 0) << "the view is not blank";
    EXPECT_LT(std::count(sent.begin(), sent.end(), GLubyte(0)), std::ptrdiff_t(sent.size() / 2));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(FrameDrawingTest, StationListsAreFreedOnRegenerationAndAtTheEnd) {
    GLuint firstBase = 0;
    std::size_t firstCount = 0;
    {
        StationDisplayLists lists;
        lists.record(app.tree);
        firstBase = lists.base();
        firstCount = lists.count();
        ASSERT_GT(firstCount, 100u) << "one list per room";
        EXPECT_TRUE(glIsList(firstBase + GLuint(firstCount) - 1));
        lists.record(app.tree);
        EXPECT_EQ(lists.base(), firstBase) << "the same station is recorded once";

        const Structure next;
        const SharedPtr<BspTree> nextTree = next.tree;
        lists.record(nextTree);
        for (GLuint list = firstBase; list < firstBase + firstCount; ++list) {
            if (list < lists.base() || list >= lists.base() + lists.count()) {
                ASSERT_FALSE(glIsList(list)) << "list " << list << " of the old station";
            }
        }
        EXPECT_GT(lists.count(), 100u);
        firstBase = lists.base();
        firstCount = lists.count();
    }
    for (GLuint list = firstBase; list < firstBase + firstCount; ++list) {
        ASSERT_FALSE(glIsList(list)) << "list " << list << " outlived its owner";
    }
}

// A turn whose view axis (0, 0, 1) becomes forward, rolled at random.
Matrix4 facing(Vector3 forward, std::mt19937& random) {
    std::uniform_real_distribution<float> any(-1.0f, 1.0f);
    const Vector3 f = normalised(forward);
    const Vector3 s = normalised(cross(Vector3(any(random), any(random), any(random)), f));
    const Vector3 u = cross(f, s);
    return Matrix4({s.x, u.x, f.x, 0, s.y, u.y, f.y, 0, s.z, u.z, f.z, 0, 0, 0, 0, 1},
                   MatrixKind::Affine);
}

// An eye somewhere in a room of the station, half the time close to a wall with a door and
// looking past that door's edge, where the gaps between the walls open.
struct InteriorView {
    Vector3 eye;
    Matrix4 orientation;
};

InteriorView randomInteriorView(const Structure& station, std::mt19937& random) {
    std::uniform_int_distribution<int> index(0, kStationExtent - 1);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (;;) {
        const CellPosition room{index(random), index(random), index(random)};
        if (station.cells[std::size_t(cellIndex(room))] == kCellEmpty) {
            continue;
        }
        const Vector3 corner{float(room.x), float(room.y), float(room.z)};
        Vector3 eye = corner + Vector3(0.05f + 0.9f * unit(random), 0.05f + 0.9f * unit(random),
                                       0.05f + 0.9f * unit(random));
        Vector3 target =
            eye + Vector3(unit(random) - 0.5f, unit(random) - 0.5f, unit(random) - 0.5f);
        const std::array<bool, 6> open = wallOpenings(station.cells, room.x, room.y, room.z);
        const int wall = index(random) % 6;
        if (unit(random) < 0.5f && open[std::size_t(wall)]) {
            const float side = wall % 2 == 1 ? 1.0f : 0.0f;
            const float depth =
                wall % 2 == 1 ? 1.0f - 0.03f - 0.1f * unit(random) : 0.03f + 0.1f * unit(random);
            const float edge = unit(random) < 0.5f ? kDoorInset : 1.0f - kDoorInset;
            Vector3 local{0.2f + 0.6f * unit(random), 0.2f + 0.6f * unit(random), edge};
            Vector3 aim{0.5f, 0.5f, side};
            aim.x = 0.5f + (unit(random) - 0.5f) * 3.0f;
            // Wall order z-, z+, x-, x+, y-, y+: put the wall's axis last, then turn it in place.
            if (wall < 2) {
                local = {local.x, local.y, depth};
                aim = {edge, aim.x, side + (side > 0.5f ? 0.02f : -0.02f)};
            } else if (wall < 4) {
                local = {depth, local.x, local.y};
                aim = {side + (side > 0.5f ? 0.02f : -0.02f), edge, aim.x};
            } else {
                local = {local.y, depth, local.x};
                aim = {aim.x, side + (side > 0.5f ? 0.02f : -0.02f), edge};
            }
            eye = corner + local;
            target = corner + aim;
        }
        return {eye, facing(target - eye, random)};
    }
}

std::vector<GLubyte> framePixels() {
    std::vector<GLubyte> pixels(std::size_t(kWidth) * kHeight * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// How many pixels differ between the picture of every room and the culled one, or -1 when any
// differs other than as a seam pixel: one pixel alone, background in the culled picture. The
// walls of a room meet at seams with T-junctions (a door's corners lie on the edge of the next
// wall), where the rasteriser can leave a pixel uncovered; drawing every room shows through it
// whatever lies beyond the room, which the walk, following the true geometry, does not reach.
int seamPixels(const std::vector<GLubyte>& all, const std::vector<GLubyte>& culled) {
    const auto differs = [&](int x, int y) {
        const std::size_t at = (std::size_t(y) * kWidth + std::size_t(x)) * 4;
        return std::memcmp(&all[at], &culled[at], 4) != 0;
    };
    int seams = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!differs(x, y)) {
                continue;
            }
            const std::size_t at = (std::size_t(y) * kWidth + std::size_t(x)) * 4;
            const bool background = culled[at] == 0 && culled[at + 1] == 0 && culled[at + 2] == 0;
            const bool alone =
                (x == 0 || !differs(x - 1, y)) && (x + 1 == kWidth || !differs(x + 1, y)) &&
                (y == 0 || !differs(x, y - 1)) && (y + 1 == kHeight || !differs(x, y + 1));
            if (!background || !alone) {
                return -1;
            }
            ++seams;
        }
    }
    return seams;
}

// Drawing only the rooms seen through the doors must give the very picture drawing all of them
// gives, with the depth test on and off (back to front), from views near doors and walls too.
TEST_F(FrameDrawingTest, CullingRoomsLeavesThePictureUnchanged) {
    std::mt19937 random(4711u);
    app.structure = test::firstStation();
    app.tree = app.structure.tree;
    int culledFrames = 0;
    int seams = 0;
    for (int i = 0; i < 60; ++i) {
        const InteriorView where = randomInteriorView(app.structure, random);
        FrameStep step;
        step.orientation = where.orientation;
        for (const bool depth : {true, false}) {
            depth ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
            std::vector<GLubyte> pictures[2];
            for (const bool culling : {false, true}) {
                FrameDrawing::begin();
                const std::vector<SharedPtr<Bomb>> none;
                const FrameView view{where.eye,
                                     app.tree,
                                     app.textures,
                                     none,
                                     false,
                                     depth,
                                     app.fontBase,
                                     "Trovane",
                                     &app.structure.cells,
                                     culling,
                                     float(kWidth) / float(kHeight)};
                drawing.draw(step, view);
                pictures[culling ? 1 : 0] = framePixels();
                culledFrames += culling && !drawing.culling().drawsEverything() ? 1 : 0;
            }
            const int lost = seamPixels(pictures[0], pictures[1]);
            ASSERT_GE(lost, 0) << "view " << i << " from (" << where.eye.x << ", " << where.eye.y
                               << ", " << where.eye.z << "), depth test " << depth;
            seams += lost;
        }
    }
    glEnable(GL_DEPTH_TEST);
    // Most views must really have been culled, or the comparison proves little.
    EXPECT_GT(culledFrames, 80);
    EXPECT_LE(seams, 10);
}

} // namespace
} // namespace trovane
