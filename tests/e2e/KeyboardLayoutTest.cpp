// Letters are tested on the key that types them in the active layout, and
// the program follows a layout switched while it runs. xdotool presses the
// key that types a letter in the layout the display has now.
#include "FrameViews.h"

#include <gtest/gtest.h>

namespace e2e::frame {
namespace {

// Holds the key that types letter; true when the scene then differs from
// before by more than a tenth, trying a few times over when it should.
bool changesTheScene(FrameStage& s, const Image& before, const std::string& letter, bool expected) {
    const int changed = s.scenePixels() / 10;
    auto differs = [&](const Image& image) { return s.sceneDifferences(before, image) > changed; };
    std::optional<Image> after;
    if (expected) {
        after = s.pressUntil([&] { s.holdKey(letter); }, "key-" + letter + ".png", differs);
    } else {
        s.holdKey(letter);
        after = s.shot("key-" + letter + ".png");
    }
    return after && differs(*after);
}

// The scene once the keyboard layout is switched; nothing when it cannot be switched.
std::optional<Image> pictureInLayout(FrameStage& s, const std::string& layout,
                                     const std::string& file) {
    if (!s.stage().x().setKeyboardLayout(layout)) {
        ADD_FAILURE() << "the layout \"" << layout << "\" cannot be switched to";
        return std::nullopt;
    }
    return s.shot(file);
}

TEST(KeyboardLayout, FrenchWMovesUpAndZDoesNot) {
    FrameStage s(insideTheStation());
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    std::optional<Image> before = pictureInLayout(s, "fr", "french.png");
    ASSERT_TRUE(before);
    // Each sits where the other is on a US keyboard.
    EXPECT_FALSE(changesTheScene(s, *before, "z", false)) << "'z' moved the camera";
    EXPECT_TRUE(changesTheScene(s, *before, "w", true)) << "'w' did not move the camera up";
}

TEST(KeyboardLayout, GermanZSwitchesTheDepthTestOnAndYDoesNot) {
    ProgramSetup setup = insideTheStation();
    // Drawn front to back without the depth test, farther rooms cover the
    // nearer ones; 'z' switches the depth test on and the picture mends.
    (*setup.settings)["Rendering.Z-Test"] = "0";
    (*setup.settings)["Rendering.FrontToBack"] = "1";
    FrameStage s(setup);
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    std::optional<Image> before = pictureInLayout(s, "de", "german.png");
    ASSERT_TRUE(before);
    EXPECT_FALSE(changesTheScene(s, *before, "y", false)) << "'y' switched the depth test";
    EXPECT_TRUE(changesTheScene(s, *before, "z", true)) << "'z' did not switch the depth test";
}

} // namespace
} // namespace e2e::frame
