// What the window shows: the station's rooms in their colours, textured, and
// plain colours when the texture cannot be had.
#include "Stage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace e2e {
namespace {

// Inside the first room on the path (blue) of the first station of every
// run, looking through its door into the start room (yellow), whose far
// door shows a grey room.
ProgramSetup besideTheStartRoom() {
    ProgramSetup setup;
    (*setup.settings)["Level.StartX"] = "7.5";
    (*setup.settings)["Level.StartY"] = "5.5";
    (*setup.settings)["Level.StartZ"] = "3.5";
    return setup;
}

ProgramSetup besideTheStartRoomWithout(const std::string& library) {
    ProgramSetup setup = besideTheStartRoom();
    setup.leaveOut = {library};
    return setup;
}

// The part of the 800x600 window at (256, 128) that the screen shows.
struct Region {
    int x = 256;
    int y = 128;
    int width = XvfbServer::kWidth - 256;
    int height = XvfbServer::kHeight - 128;
};

bool yellowish(Rgb p) {
    return p.r > 100 && p.g > 100 && p.b < 40;
}
bool bluish(Rgb p) {
    return p.b > 100 && p.r < 40 && p.g < 40;
}
bool greyish(Rgb p) {
    return p.r > 40 && p.r < 200 && std::abs(p.r - p.g) < 16 && std::abs(p.g - p.b) < 16;
}

int countOf(const Image& image, bool (*test)(Rgb)) {
    Region r;
    return image.count(r.x, r.y, r.width, r.height, test);
}

// How many different yellows: one for a plain wall, many for a textured one.
std::size_t yellowShades(const Image& image) {
    Region r;
    std::set<int> shades;
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            Rgb p = image.at(x, y);
            if (yellowish(p)) {
                shades.insert(p.r * 65536 + p.g * 256 + p.b);
            }
        }
    }
    return shades.size();
}

int lineCount(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

// Waits for the first caption: by then frames have been drawn.
// False when no window opened; otherwise waits (bounded) for the caption to carry a frame rate.
bool windowDrawsFrames(Stage& stage) {
    if (!stage.window()) {
        return false;
    }
    stage.x().waitForName(*stage.window(), std::regex(R"(.* \([0-9]+ fps\))"), Milliseconds(10000));
    return true;
}

TEST(Picture, ShowsTheRoomColoursOfTheStationTextured) {
    Stage stage(besideTheStartRoom());
    ASSERT_TRUE(windowDrawsFrames(stage)) << stage.program().err();
    std::optional<Image> shot = stage.screenshot("station.png");
    ASSERT_TRUE(shot);
    EXPECT_GT(countOf(*shot, yellowish), 50000) << "start room";
    EXPECT_GT(countOf(*shot, bluish), 5000) << "room on the path";
    EXPECT_GT(countOf(*shot, greyish), 5000) << "other rooms";
    EXPECT_GT(yellowShades(*shot), 20u) << "the texture tints the walls";
    EXPECT_EQ(stage.program().err().find("warning"), std::string::npos) << stage.program().err();
}

TEST(Picture, MissingTextureWarnsOnceAndDrawsPlainWalls) {
    ProgramSetup setup = besideTheStartRoom();
    setup.texture = false;
    Stage stage(setup);
    ASSERT_TRUE(windowDrawsFrames(stage)) << stage.program().err();
    std::optional<Image> shot = stage.screenshot("untextured.png");
    ASSERT_TRUE(shot);
    std::string err = stage.program().err();
    EXPECT_EQ(lineCount(err, "textures/morvex.jpg"), 1) << err;
    EXPECT_NE(err.find("untextured"), std::string::npos) << err;
    EXPECT_GT(countOf(*shot, yellowish), 50000);
    EXPECT_EQ(yellowShades(*shot), 1u) << "plain walls have one colour";
    EXPECT_GT(countOf(*shot, [](Rgb p) { return p.r == 255 && p.g == 255 && p.b == 0; }), 50000);
}

TEST(Picture, UndecodableTextureWarnsAndRuns) {
    ProgramSetup setup = besideTheStartRoom();
    setup.textureBytes = std::string("\xFF\xD8\xFF this is not a picture", 26);
    Stage stage(setup);
    ASSERT_TRUE(windowDrawsFrames(stage)) << stage.program().err();
    std::string err = stage.program().err();
    EXPECT_EQ(lineCount(err, "textures/morvex.jpg"), 1) << err;
    EXPECT_NE(err.find("cannot be decoded"), std::string::npos) << err;
    std::optional<Image> shot = stage.screenshot("undecodable.png");
    ASSERT_TRUE(shot);
    EXPECT_EQ(yellowShades(*shot), 1u);
    EXPECT_TRUE(stage.program().process().running());
}

TEST(Picture, MissingImageLibraryWarnsAndDrawsPlainWalls) {
    Stage stage(besideTheStartRoomWithout("Vistrane"));
    ASSERT_TRUE(windowDrawsFrames(stage)) << stage.program().err();
    std::string err = stage.program().err();
    EXPECT_NE(err.find("warning: textures/morvex.jpg: Vistrane.dll"), std::string::npos) << err;
    std::optional<Image> shot = stage.screenshot("no-image-library.png");
    ASSERT_TRUE(shot);
    EXPECT_EQ(yellowShades(*shot), 1u);
}

TEST(Picture, MissingExtensionQueryWarnsAndStillTexturesTheWalls) {
    Stage stage(besideTheStartRoomWithout("Aurelix"));
    ASSERT_TRUE(windowDrawsFrames(stage)) << stage.program().err();
    std::string err = stage.program().err();
    EXPECT_EQ(lineCount(err, "warning: Aurelix.dll"), 1) << err;
    std::optional<Image> shot = stage.screenshot("no-extension-query.png");
    ASSERT_TRUE(shot);
    EXPECT_GT(yellowShades(*shot), 20u);
}

} // namespace
} // namespace e2e
