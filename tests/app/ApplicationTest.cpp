// Application on a virtual X server: construction, Init in its order, the
// projection and viewing matrix, the texture and the first frames.
#include "app/Application.h"

#include "app/ProgramGlobals.h"
#include "app/Startup.h"
#include "tests/app/ProgramFolder.h"
#include "tests/support/DisplayForTests.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <optional>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace trovane {
namespace {

[[maybe_unused]] const auto* const display =
    ::testing::AddGlobalTestEnvironment(new test::DisplayForTests);

// Standing in the first room on the path of the first station, looking
// into the start room.
const char* const kSettings = R"([Program]
Title = Application test
[PlugIns]
Input = Tactrel.dll
[Rendering]
Z-Test = 1
FrontToBack = 1
CollisionDetection = 1
[Level]
StartX = 7.5
StartY = 5.5
StartZ = 3.5
)";

// Runs a test in a folder of its own holding config.ini (and the texture
// when asked), with the global parser read from it.
class ApplicationTest : public ::testing::Test {
protected:
    void useFolder(bool withTexture, const std::string& settings = kSettings) {
        folder.emplace(settings, withTexture);
        ASSERT_TRUE(test::ProgramFolder::loadSettings());
    }

    std::optional<test::ProgramFolder> folder;
};

float matrixElement(GLenum which, int index) {
    GLfloat m[16];
    glGetFloatv(which, m);
    return m[index];
}

TEST_F(ApplicationTest, ConstructionGeneratesTheStationAndInitSharesItsTree) {
    useFolder(true);
    Application app;
    EXPECT_TRUE(app.structure.tree);
    EXPECT_FALSE(app.tree);
    EXPECT_FALSE(app.demoMode);
    EXPECT_EQ(app.position.x, 0.0f);
    ASSERT_TRUE(app.Init(nullptr, false, 320, 240));
    EXPECT_EQ(app.tree.get(), app.structure.tree.get());
}

TEST_F(ApplicationTest, InitReadsTheSettingsAndSetsTheGLState) {
    useFolder(true);
    Application app;
    ASSERT_TRUE(app.Init("Init", false, 320, 240));
    EXPECT_TRUE(app.zTest);
    EXPECT_TRUE(app.frontToBack);
    EXPECT_TRUE(app.collisionDetection);
    EXPECT_EQ(app.position.x, 7.5f);
    EXPECT_EQ(app.position.y, 5.5f);
    EXPECT_EQ(app.position.z, 3.5f);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    GLint depthFunc = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    EXPECT_EQ(depthFunc, GL_LEQUAL);
    EXPECT_TRUE(app.mouse);
    EXPECT_TRUE(app.keyboard);
}

TEST_F(ApplicationTest, FontListsHoldTheGlyphs) {
    useFolder(true);
    Application app;
    ASSERT_TRUE(app.Init("Font", false, 320, 240));
    ASSERT_NE(app.fontBase, 0u);
    EXPECT_TRUE(glIsList(app.fontBase + 'A'));
    EXPECT_TRUE(glIsList(app.fontBase + 254));
    // Drawing "A" moves the raster position on by the glyph's advance.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRasterPos2f(-0.9f, 0.0f);
    GLfloat before[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, before);
    glCallList(app.fontBase + 'A');
    GLfloat after[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, after);
    EXPECT_GT(after[0], before[0] + 4.0f);
}

TEST_F(ApplicationTest, ResizeSetsThePerspectiveAndTheViewingMatrix) {
    useFolder(true);
    Application app;
    ASSERT_TRUE(app.Init("Projection", false, 320, 240));
    app.Resize(400, 200);
    EXPECT_EQ(app.width, 400);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 400);
    EXPECT_EQ(viewport[3], 200);
    double f = 1.0 / std::tan(30.0 * M_PI / 180.0);
    EXPECT_NEAR(matrixElement(GL_PROJECTION_MATRIX, 0), f / 2.0, 1e-5);
    EXPECT_NEAR(matrixElement(GL_PROJECTION_MATRIX, 5), f, 1e-5);
    EXPECT_NEAR(matrixElement(GL_PROJECTION_MATRIX, 10), -(50.0 + 0.01) / (50.0 - 0.01), 1e-5);
    // The viewing matrix of eye 0, target +z, up +y: diag(-1, -1, -1, 1).
    EXPECT_EQ(matrixElement(GL_MODELVIEW_MATRIX, 0), -1.0f);
    EXPECT_EQ(matrixElement(GL_MODELVIEW_MATRIX, 5), -1.0f);
    EXPECT_EQ(matrixElement(GL_MODELVIEW_MATRIX, 10), -1.0f);
    EXPECT_EQ(matrixElement(GL_MODELVIEW_MATRIX, 15), 1.0f);
}

TEST_F(ApplicationTest, ResizeToZeroHeightKeepsAFiniteProjection) {
    useFolder(true);
    Application app;
    ASSERT_TRUE(app.Init("Flat", false, 320, 240));
    app.Resize(320, 0);
    EXPECT_TRUE(std::isfinite(matrixElement(GL_PROJECTION_MATRIX, 0)));
    EXPECT_TRUE(std::isfinite(matrixElement(GL_PROJECTION_MATRIX, 5)));
}

TEST_F(ApplicationTest, TextureIsLoadedOnceAsTheFirstName) {
    useFolder(true);
    Application app;
    ASSERT_TRUE(app.Init("Texture", false, 320, 240));
    ASSERT_EQ(app.textures.size(), 1u);
    EXPECT_TRUE(glIsTexture(app.textures[0]));
    GLint filter = 0;
    glBindTexture(GL_TEXTURE_2D, app.textures[0]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_NEAREST);
}

TEST_F(ApplicationTest, MissingTextureLeavesNoNameAndTheWallsPlain) {
    useFolder(false);
    Application app;
    ASSERT_TRUE(app.Init("Plain", false, 320, 240));
    EXPECT_TRUE(app.textures.empty());
    app.Step();
    app.Step();
    // Every pixel is one of the plain room colours (or the black outside):
    // no texture tints them.
    glReadBuffer(GL_FRONT);
    std::vector<GLubyte> pixels(320 * 240 * 4);
    glReadPixels(0, 0, 320, 240, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    int plain = 0;
    int other = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        int r = pixels[i];
        int g = pixels[i + 1];
        int b = pixels[i + 2];
        bool isPlain = (r == 255 && g == 255 && b == 0) || (r == 0 && g == 255 && b == 0) ||
                       (r == 0 && g == 0 && b == 255) || (r == g && g == b);
        (isPlain ? plain : other) += 1;
    }
    EXPECT_EQ(other, 0);
    EXPECT_GT(plain, 0);
}

TEST_F(ApplicationTest, MissingInputLibraryLeavesNoDevicesAndStillDraws) {
    std::string settings = kSettings;
    settings.replace(settings.find("Tactrel.dll"), 11, "Missing.dll");
    useFolder(true, settings);
    Application app;
    ASSERT_TRUE(app.Init("No input", false, 320, 240));
    EXPECT_FALSE(app.mouse);
    EXPECT_FALSE(app.keyboard);
    app.demoMode = true;
    app.Step();
    EXPECT_EQ(app.frameCount, 1u);
}

TEST_F(ApplicationTest, DemoFlightFollowsTheClock) {
    useFolder(true);
    Application app;
    ASSERT_TRUE(app.Init("Demo", false, 320, 240));
    app.demoMode = true;
    app.TogglePause(); // the clock stands, so the flight does
    Matrix4 first;
    app.DemoCamera(first);
    Vector3 at = app.position;
    Matrix4 second;
    app.DemoCamera(second);
    EXPECT_EQ(app.position.x, at.x);
    EXPECT_EQ(app.position.z, at.z);
    EXPECT_EQ(app.position.y, 5.5f) << "the height is left alone";
    // On the circle of radius 8 about (4, y, 4).
    EXPECT_NEAR(std::hypot(at.x - 4.0f, at.z - 4.0f), 8.0f, 1e-4f);
    EXPECT_EQ(first, second);
}

} // namespace
} // namespace trovane
