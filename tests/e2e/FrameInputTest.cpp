// The frame in the real program, driven by injected input: moving, the demo
// flight, bombs, regeneration and the polygon modes, judged from
// screenshots.
#include "FrameViews.h"

#include <gtest/gtest.h>

namespace e2e::frame {
namespace {

TEST(FrameInput, HoldingAnArrowKeyChangesTheView) {
    FrameStage s(insideTheStation());
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    std::optional<Image> before = s.shot("arrow-before.png");
    ASSERT_TRUE(before);
    const int changed = s.scenePixels() / 10;
    std::optional<Image> after = s.pressUntil(
        [&] { s.holdKey("Left"); }, "arrow-after.png",
        [&](const Image& image) { return s.sceneDifferences(*before, image) > changed; });
    ASSERT_TRUE(after);
    EXPECT_GT(s.sceneDifferences(*before, *after), changed);
    EXPECT_GT(s.crossPixels(*after), 20) << "the cross is drawn";
}

TEST(FrameInput, DemoFliesFromTheFirstFrameWithoutInput) {
    ProgramSetup setup = insideTheStation();
    setup.arguments = {"-demo"};
    FrameStage s(setup);
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    std::optional<Image> first = s.shot("demo-1.png");
    ASSERT_TRUE(first);
    // Inside the station every pixel is wall; the circle runs outside it,
    // so black space shows from the first frames on.
    EXPECT_GT(s.sceneCount(*first, black), s.scenePixels() / 20) << "flying outside the station";
    // Frames can take seconds under load: wait for each change.
    const int changed = s.scenePixels() / 20;
    std::optional<Image> previous = first;
    for (int i = 2; i <= 3; ++i) {
        std::optional<Image> next =
            s.shotUntil("demo-" + std::to_string(i) + ".png", [&](const Image& image) {
                return s.sceneDifferences(*previous, image) > changed;
            });
        ASSERT_TRUE(next);
        EXPECT_GT(s.sceneDifferences(*previous, *next), changed) << "shot " << i;
        EXPECT_GT(s.crossPixels(*next), 20) << "the cross is drawn";
        previous = next;
    }
}

TEST(FrameInput, LeftButtonThrowsABombThatShowsYellow) {
    FrameStage s(facingTheVoid());
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    std::optional<Image> before = s.shot("void.png");
    ASSERT_TRUE(before);
    ASSERT_EQ(s.sceneCount(*before, bombYellow), 0);
    // The bombs fly away from the camera along the view: into the middle.
    std::optional<Image> after =
        s.pressUntil([&] { s.holdButton(1, Milliseconds(1500)); }, "bombs.png",
                     [&](const Image& image) { return s.yellowNearCentre(image, 60) > 0; });
    ASSERT_TRUE(after);
    EXPECT_GT(s.yellowNearCentre(*after, 60), 0);
}

TEST(FrameInput, WheelButtonRegeneratesTheStationAndRemovesTheBombs) {
    FrameStage s(facingTheFrontWall());
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    // A sticky bomb stays on the wall ahead, in the middle of the view.
    std::optional<Image> stuck =
        s.pressUntil([&] { s.holdButton(3); }, "sticky.png",
                     [&](const Image& image) { return s.yellowNearCentre(image, 30) > 20; });
    ASSERT_TRUE(stuck);
    ASSERT_GT(s.yellowNearCentre(*stuck, 30), 20);
    std::optional<Image> regenerated =
        s.pressUntil([&] { s.holdButton(2); }, "regenerated.png",
                     [&](const Image& image) { return s.yellowNearCentre(image, 30) == 0; });
    ASSERT_TRUE(regenerated);
    EXPECT_EQ(s.yellowNearCentre(*regenerated, 30), 0) << "the bomb is gone";
    EXPECT_GT(s.sceneDifferences(*stuck, *regenerated), s.scenePixels() / 10) << "another station";
    // Each new station writes a "." for every layout that failed.
    EXPECT_NE(s.stage().program().out().find('.'), std::string::npos);
}

TEST(FrameInput, LGivesAWireframeAndTRestoresTheFilledPicture) {
    FrameStage s(insideTheStation());
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    std::optional<Image> filled = s.shot("filled.png");
    ASSERT_TRUE(filled);
    const int area = s.scenePixels();
    // Walls fill most of the view; the start room's opening shows space.
    ASSERT_LT(s.sceneCount(*filled, black), area / 4);

    std::optional<Image> wire =
        s.pressUntil([&] { s.holdKey("l"); }, "wireframe.png",
                     [&](const Image& image) { return s.sceneCount(image, black) > area * 3 / 4; });
    ASSERT_TRUE(wire);
    EXPECT_GT(s.sceneCount(*wire, black), area * 3 / 4) << "only the edges are drawn";
    EXPECT_GT(s.sceneCount(*wire, lit), area / 100) << "but the edges are";
    EXPECT_GT(s.crossPixels(*wire), 20) << "the cross is not a polygon";

    std::optional<Image> restored =
        s.pressUntil([&] { s.holdKey("t"); }, "restored.png",
                     [&](const Image& image) { return s.sceneCount(image, black) < area / 4; });
    ASSERT_TRUE(restored);
    EXPECT_LT(s.sceneCount(*restored, black), area / 4);
    EXPECT_LT(s.sceneDifferences(*filled, *restored), area / 100) << "the same picture again";
}

} // namespace
} // namespace e2e::frame
