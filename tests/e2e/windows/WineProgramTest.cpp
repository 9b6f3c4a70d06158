// The Windows build's Trovane.exe under Wine on a virtual X server, driven
// like the Linux program and compared with it picture for picture.
#include "../FrameViews.h"
#include "AnotherWindow.h"
#include "Stage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#if !defined(TROVANE_WINDOWS_BINARY_DIR) || !defined(TROVANE_WINE_RUN)
#error "the Windows tests need TROVANE_WINDOWS_BINARY_DIR and TROVANE_WINE_RUN"
#endif

namespace e2e {
namespace {

namespace fs = std::filesystem;

const fs::path kWindowsBin = TROVANE_WINDOWS_BINARY_DIR;
const fs::path kPrefix = kWindowsBin.parent_path() / "wineprefix";
const std::regex kRunningCaption(R"(Trovane \([1-9][0-9]* fps\))");
const std::regex kPausedCaption(R"(Trovane \(0 fps\))");
// The overlay's text sits in the bottom rows of the window; its glyphs come
// from another font on each system.
constexpr int kOverlayRows = 40;

// Ends what Wine keeps running for the prefix (its server and desktop
// process hold on to the display of the finished test).
class WineSession {
public:
    ~WineSession() {
        runProcess({"env", "WINEPREFIX=" + kPrefix.string(), "wineserver", "-k"},
                   Milliseconds(15000));
        runProcess({"env", "WINEPREFIX=" + kPrefix.string(), "wineserver", "-w"},
                   Milliseconds(15000));
    }
};

ProgramSetup onWine(ProgramSetup setup = frame::insideTheStation()) {
    setup.executable = "Trovane.exe";
    setup.binaryDir = kWindowsBin;
    setup.moduleExtension = ".dll";
    setup.launcher = {TROVANE_WINE_RUN, kPrefix.string()};
    return setup;
}

bool drawsFrames(Stage& stage) {
    return stage.window() &&
           stage.x().waitForName(*stage.window(), kRunningCaption, Milliseconds(60000));
}

// The window's client area, without the overlay's rows, as a picture of its own.
struct View {
    Image screen;
    WindowGeometry area;
};

std::optional<View> viewOf(Stage& stage, const std::string& name) {
    std::optional<WindowGeometry> area = stage.x().geometry(*stage.window());
    std::optional<Image> screen = stage.screenshot(name);
    if (!area || !screen) {
        return std::nullopt;
    }
    area->height -= kOverlayRows;
    return View{*screen, *area};
}

// Pixels of a that differ from the same place of b, and the largest
// difference of one channel.
struct Comparison {
    int compared = 0;
    int differing = 0;
    int largest = 0;
};

// Only what both screens show: the windows stand at other places and may
// reach past the screen's edge.
int visible(int extent, int at, int screen) {
    return std::max(0, std::min(extent, screen - at));
}

Comparison compare(const View& a, const View& b) {
    Comparison result;
    const int width = std::min(visible(a.area.width, a.area.x, a.screen.width()),
                               visible(b.area.width, b.area.x, b.screen.width()));
    const int height = std::min(visible(a.area.height, a.area.y, a.screen.height()),
                                visible(b.area.height, b.area.y, b.screen.height()));
    result.compared = width * height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb p = a.screen.at(a.area.x + x, a.area.y + y);
            const Rgb q = b.screen.at(b.area.x + x, b.area.y + y);
            const int d = std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
            result.differing += d > 0 ? 1 : 0;
            result.largest = std::max(result.largest, d);
        }
    }
    return result;
}

int changedPixels(Stage& stage, const View& before, const std::string& name) {
    std::optional<View> after = viewOf(stage, name);
    return after ? compare(before, *after).differing : -1;
}

// The right half of a view: what a menu at the window's top left leaves in sight.
View rightHalf(View view) {
    view.area.x += view.area.width / 2;
    view.area.width -= view.area.width / 2;
    return view;
}

class WineProgram : public ::testing::Test {
protected:
    void SetUp() override {
        // Run on purpose: a missing build is a failure, not a pass.
        ASSERT_TRUE(fs::exists(kWindowsBin / "Trovane.exe"))
            << "no Windows build at " << kWindowsBin << " (tools/test.sh windows builds it)";
    }

private:
    WineSession wine_;
};

TEST_F(WineProgram, StartViewIsTheLinuxBuildsPixelForPixel) {
    std::optional<View> linux;
    {
        Stage stage(frame::insideTheStation());
        ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();
        linux = viewOf(stage, "start-linux.png");
    }
    // The picture alone is compared: Wine's DirectInput mouse reports the
    // pointer's moves as movement, warps included, and its first sight of
    // the pointer (from the screen's corner) at a moment of its own, which
    // may turn the camera (Windows reports the device's own motion). So
    // this run has no input library.
    ProgramSetup setup = onWine();
    setup.leaveOut = {"Tactrel"};
    Stage stage(setup);
    ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();
    std::optional<View> windows = viewOf(stage, "start-windows.png");
    ASSERT_TRUE(linux && windows);
    ASSERT_EQ(windows->area.width, linux->area.width);
    ASSERT_EQ(windows->area.height, linux->area.height);
    const Comparison c = compare(*linux, *windows);
    EXPECT_GT(c.compared, 400000) << "too little of the windows on screen";
    EXPECT_EQ(c.differing, 0) << "largest channel difference " << c.largest;
}

TEST_F(WineProgram, ArrowsButtonsAndWindowKeysWorkAsOnLinux) {
    Stage stage(onWine());
    ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();
    const std::string& window = *stage.window();
    std::optional<View> start = viewOf(stage, "keys-start.png");
    ASSERT_TRUE(start);

    stage.x().holdKey("Up", Milliseconds(400));
    std::optional<View> moved = viewOf(stage, "keys-moved.png");
    ASSERT_TRUE(moved);
    EXPECT_GT(compare(*start, *moved).differing, 1000) << "the arrow key moved nothing";

    // A sticky bomb flies straight ahead and sticks to the far wall, a few
    // dozen pixels in size.
    stage.x().holdButton(3);
    sleepFor(Milliseconds(300));
    EXPECT_GT(changedPixels(stage, *moved, "keys-bomb.png"), 20) << "no bomb in view";

    std::optional<View> beforeRegeneration = viewOf(stage, "keys-before-regeneration.png");
    ASSERT_TRUE(beforeRegeneration);
    stage.x().holdButton(2);
    sleepFor(Milliseconds(500));
    EXPECT_GT(changedPixels(stage, *beforeRegeneration, "keys-regenerated.png"), 1000)
        << "the middle button regenerated nothing";

    stage.x().holdKey("space");
    EXPECT_TRUE(stage.x().waitForName(window, kPausedCaption, Milliseconds(30000)))
        << stage.x().windowName(window);
    stage.x().holdKey("Escape");
    EXPECT_EQ(stage.waitExit(), std::optional<int>(0)) << stage.program().err();
}

TEST_F(WineProgram, MovingThePointerTurnsTheView) {
    Stage stage(onWine());
    ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();
    std::optional<WindowGeometry> area = stage.x().geometry(*stage.window());
    ASSERT_TRUE(area);
    stage.x().moveMouseTo(area->x + area->width / 2, area->y + area->height / 2);
    sleepFor(Milliseconds(500));
    std::optional<View> before = viewOf(stage, "look-before.png");
    ASSERT_TRUE(before);
    for (int step = 0; step < 4; ++step) {
        stage.x().moveMouseBy(30, 0);
        sleepFor(Milliseconds(100));
    }
    sleepFor(Milliseconds(400));
    EXPECT_GT(changedPixels(stage, *before, "look-after.png"), 1000) << "the view did not turn";
}

TEST_F(WineProgram, KeysAndMovesForAnotherWindowLeaveTheViewAlone) {
    Stage stage(onWine());
    ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();
    XDisplay& x = stage.x();
    const AnotherWindow other(x);
    ASSERT_TRUE(other.window());
    std::optional<View> before = viewOf(stage, "other-before.png");
    ASSERT_TRUE(before);

    ASSERT_TRUE(x.focus(*other.window()));
    sleepFor(Milliseconds(1000)); // the lost focus is reported a moment late
    x.holdKey("Up", Milliseconds(400));
    x.moveMouseBy(200, 50);
    sleepFor(Milliseconds(300));
    EXPECT_EQ(changedPixels(stage, *before, "other-typed.png"), 0)
        << "input for another window moved the camera";
    // Coming back is not tried: without a window manager Wine puts its
    // window in front again only through a click, which throws a bomb.
}

TEST_F(WineProgram, FramesAndTheCaptionGoOnWhileItsMenuIsOpen) {
    // The system menu runs a loop of the system's own, as moving or sizing
    // the window does; the demo flight shows whether frames still come.
    ProgramSetup setup = onWine();
    setup.arguments = {"-demo"};
    Stage stage(setup);
    ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();
    const std::string& window = *stage.window();
    stage.x().holdKey("alt+space");
    sleepFor(Milliseconds(1500));
    std::optional<View> first = viewOf(stage, "menu-first.png");
    sleepFor(Milliseconds(1000));
    std::optional<View> second = viewOf(stage, "menu-second.png");
    ASSERT_TRUE(first && second);
    EXPECT_GT(compare(rightHalf(*first), rightHalf(*second)).differing, 1000)
        << "no frames were drawn while the menu was open";
    EXPECT_TRUE(std::regex_match(stage.x().windowName(window), kRunningCaption))
        << stage.x().windowName(window);
    // Escape leaves the menu (Wine may take two: the popup, then menu mode),
    // then ends the program.
    std::optional<int> status;
    for (int press = 0; press < 4 && !status; ++press) {
        stage.x().holdKey("Escape");
        status = stage.waitExit(Milliseconds(3000));
    }
    EXPECT_EQ(status, std::optional<int>(0)) << stage.program().err();
}

TEST_F(WineProgram, StartsFromAnotherFolderOutOfAFolderNamedInJapanese) {
    ProgramSetup setup = onWine();
    setup.programFolder = "ステーション";
    (*setup.settings)["Program.Title"] = "ステーション";
    Stage stage(setup);
    ASSERT_TRUE(stage.window()) << stage.program().err();
    EXPECT_TRUE(stage.x().waitForName(
        *stage.window(), std::regex(R"(ステーション \([1-9][0-9]* fps\))"), Milliseconds(60000)))
        << stage.x().windowName(*stage.window());
    EXPECT_TRUE(hasLineMatching(stage.program().out(),
                                std::regex(R"(.*Settings read from .*ステーション.config\.ini)")))
        << stage.program().out();
    EXPECT_FALSE(hasLineMatching(stage.program().err(), std::regex(".*untextured.*")))
        << stage.program().err();
    stage.x().holdKey("Escape");
    EXPECT_EQ(stage.waitExit(), std::optional<int>(0)) << stage.program().err();
}

TEST_F(WineProgram, CtrlCInItsConsoleEndsItWithCodeZero) {
    ProgramSetup setup = onWine();
    setup.launcher.push_back((kWindowsBin / "console_control.exe").string());
    setup.launcher.push_back("60000");
    XvfbServer xvfb;
    ProgramRun run(xvfb.display(), setup);
    const std::optional<int> status = run.process().waitExit(Milliseconds(90000));
    ASSERT_TRUE(status) << "still running: " << run.err();
    EXPECT_EQ(*status, 0) << run.err();
    EXPECT_TRUE(hasLineMatching(run.out(), std::regex("Initialize OpenGL \\.\\.\\.")))
        << "ended before its window was up: " << run.out();
}

// --- drills: the Linux program's lines, then an orderly end or run ---------

TEST_F(WineProgram, MissingSettingsParserEndsWithOneLineAndCodeOne) {
    ProgramSetup setup = onWine();
    setup.leaveOut = {"Lexmoor"};
    XvfbServer xvfb;
    ProgramRun run(xvfb.display(), setup);
    const std::optional<int> status = run.process().waitExit(Milliseconds(60000));
    ASSERT_TRUE(status) << "still running: " << run.err();
    EXPECT_EQ(*status, 1) << run.err();
    EXPECT_TRUE(hasLineMatching(run.err(), std::regex(R"(.*Lexmoor\.dll: .+)"))) << run.err();
}

TEST_F(WineProgram, MissingInputLibraryOrTextureWarnsAndRunsOn) {
    for (bool textureMissing : {false, true}) {
        ProgramSetup setup = onWine();
        if (textureMissing) {
            setup.texture = false;
        } else {
            setup.leaveOut = {"Tactrel"};
        }
        Stage stage(setup);
        ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();
        const std::regex line =
            textureMissing
                ? std::regex(
                      R"(warning: textures/morvex\.jpg: cannot be opened; the walls stay untextured)")
                : std::regex(
                      R"(warning: input library Tactrel\.dll: .+; running without keyboard and mouse)");
        EXPECT_TRUE(hasLineMatching(stage.program().err(), line)) << stage.program().err();
        stage.x().holdKey("Escape");
        EXPECT_EQ(stage.waitExit(), std::optional<int>(0)) << stage.program().err();
    }
}

// --- the program as Windows' screensaver (Trovane.scr) ------------------------

ProgramSetup asScreensaver(std::vector<std::string> arguments) {
    ProgramSetup setup = onWine();
    setup.executable = "Trovane.scr";
    setup.arguments = std::move(arguments);
    return setup;
}

TEST_F(WineProgram, ScreensaverFillsTheScreenRunsOnceAndEndsWhenThePointerMoves) {
    Stage stage(asScreensaver({"/s"}));
    ASSERT_TRUE(drawsFrames(stage)) << stage.program().err();
    const std::optional<WindowGeometry> area = stage.x().geometry(*stage.window());
    ASSERT_TRUE(area);
    EXPECT_EQ(area->width, 1024);
    EXPECT_EQ(area->height, 768);
    // A second start while one runs does nothing.
    ProgramRun second(stage.x().name(), asScreensaver({"/S"}));
    EXPECT_EQ(second.process().waitExit(Milliseconds(60000)), std::optional<int>(0))
        << second.err();
    EXPECT_TRUE(stage.program().process().running()) << stage.program().err();
    // Nothing on the console, not even the key reference.
    EXPECT_EQ(stage.program().out(), "");
    // Within two seconds, plus the two that Wine holds a window being
    // destroyed while it waits for a window manager's word, which never
    // comes on a bare X server.
    stage.x().moveMouseBy(50, 0);
    EXPECT_EQ(stage.waitExit(Milliseconds(2000 + 2000)), std::optional<int>(0))
        << stage.program().err();
}

// The handle of the window preview_host.exe made, from its first line.
std::optional<std::string> readHandle(const fs::path& output, Milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        std::istringstream line(fs::exists(output) ? readFile(output) : "");
        std::string handle;
        if (line >> handle && std::isspace(line.peek())) {
            return handle;
        }
        sleepFor(Milliseconds(200));
    }
    return std::nullopt;
}

TEST_F(WineProgram, ScreensaverPreviewDrawsTheFlightInTheGivenWindowAndEndsWithIt) {
    constexpr int kWidth = 321;
    constexpr int kHeight = 241;
    XvfbServer xvfb;
    TempDir dir;
    LaunchOptions hostOptions;
    hostOptions.argv = {TROVANE_WINE_RUN,
                        kPrefix.string(),
                        (kWindowsBin / "preview_host.exe").string(),
                        std::to_string(kWidth),
                        std::to_string(kHeight),
                        "20000"};
    hostOptions.environment = {{"DISPLAY", xvfb.display()}};
    hostOptions.stdoutFile = dir / "host.txt";
    ChildProcess host(hostOptions);
    const std::optional<std::string> window = readHandle(dir / "host.txt", Milliseconds(60000));
    ASSERT_TRUE(window) << "the preview's host window did not appear";

    ProgramRun run(xvfb.display(), asScreensaver({"/p", *window}));
    // Wine draws a GL window inside another process's window into a
    // drawable of its own, off the screen's corner and never shown in the
    // host's picture (Windows composes it): that drawable, at the host's
    // client size, is what the preview looks like.
    XDisplay x(xvfb.display());
    const std::optional<std::string> child =
        x.waitForUnnamedWindow(kWidth, kHeight, Milliseconds(60000));
    ASSERT_TRUE(child) << run.err();
    int greys = 0;
    for (int shot = 0; shot < 30 && greys < 1000; ++shot) {
        sleepFor(Milliseconds(500));
        const std::optional<Image> picture = x.screenshot(run.directory() / "preview.png", *child);
        ASSERT_TRUE(picture);
        greys = 0;
        for (int py = 0; py < picture->height(); ++py) {
            for (int px = 0; px < picture->width(); ++px) {
                const Rgb p = picture->at(px, py);
                greys += p.r == p.g && p.g == p.b && p.r > 40 && p.r < 250 ? 1 : 0;
            }
        }
    }
    keepArtefact(run.directory() / "preview.png", "screensaver-preview.png");
    EXPECT_GE(greys, 1000) << "no textured walls in the preview";
    EXPECT_EQ(host.waitExit(Milliseconds(60000)), std::optional<int>(0));
    EXPECT_EQ(run.process().waitExit(kExitLimit), std::optional<int>(0)) << run.err();
}

TEST_F(WineProgram, ScreensaverArgumentsItCannotUseGetOneLineAndCodeTwo) {
    XvfbServer xvfb;
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"/p", "7"}, {"/p:12ab"}, {"/x"}}) {
        ProgramRun run(xvfb.display(), asScreensaver(arguments));
        EXPECT_EQ(run.process().waitExit(Milliseconds(60000)), std::optional<int>(2))
            << arguments[0] << ": " << run.err();
        const std::string err = run.err();
        EXPECT_TRUE(hasLineMatching(err, std::regex("Trovane: .+"))) << arguments[0] << ": " << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
}

} // namespace
} // namespace e2e
