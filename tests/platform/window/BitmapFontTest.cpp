// Glyphs of the system font in display lists.
#include "platform/window/BitmapFont.h"

#include "platform/window/GLContext.h"
#include "platform/window/VideoSystem.h"
#include "platform/window/Window.h"
#include "platform/window/sdl/FontFile.h"

#include <GL/gl.h>

#include "tests/platform/window/VideoTest.h"

#include <gtest/gtest.h>

#include <string>

namespace trovane::platform {
namespace {

TEST(FontFile, TheNamedFamilyIsFound) {
    int index = -1;
    std::string file = findFontFile("DejaVu Sans Mono", &index);
    EXPECT_NE(file.find("DejaVuSansMono"), std::string::npos) << file;
    EXPECT_GE(index, 0);
}

TEST(FontFile, AnUnknownFamilyStillGivesTheClosestFont) {
    EXPECT_FALSE(findFontFile("No Such Family 12345", nullptr).empty());
}

class BitmapFontTest : public test::VideoTest {
protected:
    void setUpWithVideo() override {
        std::string error;
        WindowOptions options;
        options.client = Rect{0, 0, 128, 64};
        window = Window::create(options, error);
        ASSERT_NE(window, nullptr) << error;
        context = GLContext::create(*window, error);
        ASSERT_NE(context, nullptr) << error;
        base = glGenLists(256);
        ASSERT_NE(base, 0u);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 128, 0, 64, -1, 1); // one unit per pixel
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    // Raster x after drawing list c from x = 10 pixels.
    float advanceOf(unsigned c) {
        glClear(GL_COLOR_BUFFER_BIT);
        glRasterPos2i(10, 20);
        glCallList(base + c);
        GLfloat position[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
        return position[0] - 10.0f;
    }

    int litPixels() {
        GLubyte pixels[128 * 64 * 4];
        glReadPixels(0, 0, 128, 64, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        int lit = 0;
        for (int i = 0; i < 128 * 64; ++i) {
            lit += pixels[i * 4] > 128 ? 1 : 0;
        }
        return lit;
    }

    std::unique_ptr<Window> window;
    std::unique_ptr<GLContext> context;
    GLuint base = 0;
};

TEST_F(BitmapFontTest, Builds255ListsFromTheBase) {
    std::string error;
    ASSERT_TRUE(buildBitmapFont(base, 0, 255, FontRequest{}, error)) << error;
    for (unsigned c = 0; c < 255; ++c) {
        EXPECT_TRUE(glIsList(base + c)) << c;
    }
    // The 256th list is reserved but holds nothing.
    glClearColor(0, 0, 0, 1);
    glColor3f(1, 1, 1);
    EXPECT_EQ(advanceOf(255), 0.0f);
    EXPECT_EQ(litPixels(), 0);
}

TEST_F(BitmapFontTest, LettersDrawAndAdvanceControlCharactersDoNothing) {
    std::string error;
    ASSERT_TRUE(buildBitmapFont(base, 0, 255, FontRequest{}, error)) << error;
    glClearColor(0, 0, 0, 1);
    glColor3f(1, 1, 1);
    float advanceA = advanceOf('A');
    EXPECT_GT(litPixels(), 10);
    EXPECT_GE(advanceA, 6.0f);
    EXPECT_EQ(advanceOf('M'), advanceA) << "a monospaced family";
    EXPECT_EQ(advanceOf('\n'), 0.0f);
    EXPECT_EQ(litPixels(), 0);
    EXPECT_EQ(advanceOf(' '), advanceA);
    EXPECT_EQ(litPixels(), 0);
    advanceOf(0xE9); // an accented letter of the 8-bit character set
    EXPECT_GT(litPixels(), 10);
}

TEST_F(BitmapFontTest, KeepsTheCallersUnpackAlignment) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    std::string error;
    ASSERT_TRUE(buildBitmapFont(base, 0, 255, FontRequest{}, error)) << error;
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8);
}

} // namespace
} // namespace trovane::platform
