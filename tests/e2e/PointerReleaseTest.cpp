// The pointer is the user's while the demo is paused and while another
// window has the focus: it stays where it is moved, and the moves made
// meanwhile do not turn the camera when flying resumes.
#include "AnotherWindow.h"
#include "FrameViews.h"

#include <gtest/gtest.h>

#include <regex>

namespace e2e::frame {
namespace {

const std::regex kPausedCaption(R"(Trovane \(0 fps\))");
const std::regex kRunningCaption(R"(Trovane \([1-9][0-9]* fps\))");
constexpr Milliseconds kCaptionLimit{30000};
// The framed window starts at (256, 128): this point is outside it.
constexpr std::pair<int, int> kOutside{40, 40};

TEST(PointerRelease, PausedThePointerStaysWhereMovedAndResumingMakesNoJump) {
    FrameStage s(insideTheStation());
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    XDisplay& x = s.stage().x();
    const std::string& window = *s.stage().window();
    std::optional<Image> before = s.shot("before-pause.png");
    ASSERT_TRUE(before);

    x.holdKey("space");
    ASSERT_TRUE(x.waitForName(window, kPausedCaption, kCaptionLimit)) << x.windowName(window);
    x.moveMouseTo(kOutside.first, kOutside.second);
    EXPECT_EQ(x.mouseLocation(), kOutside) << "the pointer is held in the window";
    x.moveMouseBy(300, 200);

    x.holdKey("space");
    ASSERT_TRUE(x.waitForName(window, kRunningCaption, kCaptionLimit)) << x.windowName(window);
    std::optional<Image> resumed = s.shot("resumed.png");
    ASSERT_TRUE(resumed);
    EXPECT_EQ(s.sceneDifferences(*before, *resumed), 0) << "the view jumped on resuming";

    // Flying again: the mouse turns the camera.
    const int changed = s.scenePixels() / 10;
    std::optional<Image> turned = s.pressUntil(
        [&] { x.moveMouseBy(150, 0); }, "turned.png",
        [&](const Image& image) { return s.sceneDifferences(*before, image) > changed; });
    ASSERT_TRUE(turned);
    EXPECT_GT(s.sceneDifferences(*before, *turned), changed);
}

TEST(PointerRelease, FocusOnAnotherWindowFreesThePointer) {
    FrameStage s(insideTheStation());
    ASSERT_TRUE(s.ready()) << s.stage().program().err();
    XDisplay& x = s.stage().x();
    const AnotherWindow other(x);
    ASSERT_TRUE(other.window());
    std::optional<Image> before = s.shot("before-focus.png");
    ASSERT_TRUE(before);

    ASSERT_TRUE(x.focus(*other.window()));
    // The window system reports a lost focus a moment late.
    sleepFor(Milliseconds(1000));
    x.moveMouseTo(600, 400);
    x.moveMouseBy(200, 50);
    EXPECT_EQ(x.mouseLocation(), std::make_pair(800, 450));
    std::optional<Image> elsewhere = s.shot("focus-elsewhere.png");
    ASSERT_TRUE(elsewhere);
    EXPECT_EQ(s.sceneDifferences(*before, *elsewhere), 0)
        << "moves for another window turned the camera";

    ASSERT_TRUE(x.focus(*s.stage().window()));
    sleepFor(Milliseconds(1000));
    std::optional<Image> back = s.shot("focus-back.png");
    ASSERT_TRUE(back);
    EXPECT_EQ(s.sceneDifferences(*before, *back), 0) << "the view jumped on regaining the focus";
}

} // namespace
} // namespace e2e::frame
