// The overlay in the real program: the grey cross in the middle of every
// frame and the status line, read from screenshots against the black of
// empty space.
#include "FrameViews.h"

#include <gtest/gtest.h>

namespace e2e::frame {
namespace {

TEST(FrameOverlay, CrossIsDrawnInTheMiddleOverEmptySpaceAndOverWalls) {
    for (const ProgramSetup& setup : {facingTheVoid(), insideTheStation()}) {
        FrameStage s(setup);
        ASSERT_TRUE(s.ready()) << s.stage().program().err();
        std::optional<Image> image = s.shot("cross.png");
        ASSERT_TRUE(image);
        EXPECT_GT(s.crossPixels(*image), 30) << (*setup.settings)["Level.StartZ"];
        // Nothing of that grey outside the cross's box when facing the void.
        if ((*setup.settings)["Level.StartZ"] == "9.0") {
            EXPECT_LT(s.sceneCount(*image, overlayGrey), s.crossPixels(*image) + 10);
        }
    }
}

// "Trovane" is 7 characters wide (about 55 pixels), "Go ... inf" 10 and
// "Go ... 1.00" 11; "Collision (0.20 @ 4.50,4.50,7.99) !" runs to 35.
TEST(FrameOverlay, StatusLineShowsACollisionAfterFlyingIntoAWall) {
    ProgramSetup setup = facingTheVoid();
    (*setup.settings)["Rendering.CollisionDetection"] = "0";
    FrameStage s(setup);
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    std::optional<Image> start = s.shot("status-start.png");
    ASSERT_TRUE(start);
    const int startExtent = s.textExtent(*start);
    EXPECT_GT(startExtent, 20) << "the program's name";
    EXPECT_LT(startExtent, 70) << "shorter than \"Go ... inf\"";

    // Collision on, then backwards into the back wall of the room behind,
    // 1 unit away.
    std::optional<Image> hit = s.pressUntil(
        [&] {
            s.holdKey("c");
            s.holdKey("Down", Milliseconds(2500));
        },
        "status-collision.png", [&](const Image& image) { return s.textExtent(image) > 200; });
    ASSERT_TRUE(hit);
    EXPECT_GT(s.textExtent(*hit), 200) << "a collision line is longer than any other";
    EXPECT_LT(s.textExtent(*hit), 400);
    EXPECT_EQ(s.sceneCount(*hit, lit), s.sceneCount(*start, lit))
        << "the camera faced away from the wall all along: only the overlay shows";
}

TEST(FrameOverlay, StatusLineKeepsTheProgramNameWhileNothingMoves) {
    FrameStage s(facingTheVoid());
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    std::optional<Image> first = s.shot("still-1.png");
    sleepFor(Milliseconds(1000));
    std::optional<Image> second = s.shot("still-2.png");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(s.textExtent(*first), s.textExtent(*second));
    EXPECT_LT(s.textExtent(*second), 70) << "still \"Trovane\", no probe ran";
}

} // namespace
} // namespace e2e::frame
