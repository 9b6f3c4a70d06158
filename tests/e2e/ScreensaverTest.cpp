// Screensaver mode: the demo flight drawn into a window the daemon hands
// over (--window-id) or onto the root window (--root), ended by SIGTERM.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <csignal>
#include <set>
#include <string>

namespace e2e {
namespace {

// Where the host window tool places its window on the screen.
struct Area {
    int x, y, width, height;
};
constexpr Area kHost{100, 80, 480, 360};

// Many colours: textured walls; a blank or plain-coloured window has few.
std::size_t colours(const Image& image, int x0, int y0, int width, int height) {
    std::set<int> seen;
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) {
            const Rgb p = image.at(x, y);
            seen.insert(p.r * 65536 + p.g * 256 + p.b);
        }
    }
    return seen.size();
}

// Some frames of flight: the first frame can be slow under load.
void letItFly() {
    sleepFor(Milliseconds(6000));
}

// SIGTERM ends it in order, leaving no process behind. It takes about 0.15 s
// on an idle machine; the bound leaves room for a loaded one, where a single
// second was once missed, and still catches a signal that is not handled.
void expectEndsOnTerm(ProgramRun& run) {
    ASSERT_TRUE(run.process().running()) << run.err();
    run.process().signal(SIGTERM);
    const std::optional<int> status = run.process().waitExit(Milliseconds(5000));
    EXPECT_EQ(status, 0) << run.err();
    EXPECT_FALSE(run.process().running());
}

TEST(Screensaver, DrawsTexturedWallsIntoAForeignWindowAndEndsOnTerm) {
    XvfbServer xvfb;
    XDisplay x(xvfb.display());
    LaunchOptions host;
    host.argv = {E2E_HOST_WINDOW_TOOL};
    host.environment = {{"DISPLAY", xvfb.display()}};
    ChildProcess hostProcess(host);
    const std::optional<std::string> window = x.waitForWindowNamed("Host", Milliseconds(10000));
    ASSERT_TRUE(window);

    ProgramSetup setup;
    setup.arguments = {"--window-id", *window};
    ProgramRun run(xvfb.display(), setup);
    letItFly();
    const std::optional<Image> shot = x.screenshot(run.directory() / "window-id.png");
    ASSERT_TRUE(shot);
    keepArtefact(run.directory() / "window-id.png", "screensaver-window-id.png");
    EXPECT_GT(colours(*shot, kHost.x, kHost.y, kHost.width, kHost.height), 100u) << run.err();
    EXPECT_LE(colours(*shot, 0, 0, kHost.x, XvfbServer::kHeight), 2u) << "the root stays as it is";
    EXPECT_EQ(run.out().find("keys"), std::string::npos)
        << "no key reference: input is the daemon's";
    expectEndsOnTerm(run);
}

TEST(Screensaver, DrawsOnTheRootWindow) {
    XvfbServer xvfb;
    XDisplay x(xvfb.display());
    ProgramSetup setup;
    setup.arguments = {"--root"};
    ProgramRun run(xvfb.display(), setup);
    letItFly();
    const std::optional<Image> shot = x.screenshot(run.directory() / "root.png");
    ASSERT_TRUE(shot);
    keepArtefact(run.directory() / "root.png", "screensaver-root.png");
    EXPECT_GT(colours(*shot, 0, 0, XvfbServer::kWidth, XvfbServer::kHeight), 100u) << run.err();
    expectEndsOnTerm(run);
}

TEST(Screensaver, AWindowThatDoesNotExistGetsOneLineAndExitCode2) {
    XvfbServer xvfb;
    ProgramSetup setup;
    setup.arguments = {"--window-id", "0x1fffff0"};
    ProgramRun run(xvfb.display(), setup);
    EXPECT_EQ(run.process().waitExit(Milliseconds(15000)), 2);
    EXPECT_EQ(run.err(), "Trovane: there is no X window 33554416\n");
}

} // namespace
} // namespace e2e
