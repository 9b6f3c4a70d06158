// The input library as the program uses it, in a real window on the X
// server: a probe window reads "Mouse" and "Keyboard" every frame and prints
// each change it sees.
#include "Stage.h"

#include <gtest/gtest.h>

#include <string>

namespace e2e {
namespace {

ProgramSetup probe() {
    ProgramSetup setup;
    setup.executable = "e2e_input_probe";
    setup.settings.reset();
    setup.texture = false;
    return setup;
}

// Waits until the probe has printed line (a whole line).
bool waitForLine(ProgramRun& run, const std::string& line, Milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        const std::string out = std::string("\n").append(run.out());
        if (out.find("\n" + line + "\n") != std::string::npos) {
            return true;
        }
        sleepFor(Milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
}

class InputProbe : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(stage.window()) << stage.program().err();
        ASSERT_TRUE(waitForLine(stage.program(), "ready", Milliseconds(10000)));
    }

    // A held key is seen down, then up again.
    void expectKey(const std::string& xName, const std::string& probeName) {
        stage.x().holdKey(xName, Milliseconds(250));
        EXPECT_TRUE(waitForLine(stage.program(), "key " + probeName + " 1", Milliseconds(5000)))
            << xName << "\n"
            << stage.program().out();
        EXPECT_TRUE(waitForLine(stage.program(), "key " + probeName + " 0", Milliseconds(5000)))
            << xName;
    }

    void expectButton(int button, const std::string& probeName) {
        stage.x().holdButton(button, Milliseconds(250));
        EXPECT_TRUE(waitForLine(stage.program(), "mouse " + probeName + " 1", Milliseconds(5000)))
            << "button " << button << "\n"
            << stage.program().out();
        EXPECT_TRUE(waitForLine(stage.program(), "mouse " + probeName + " 0", Milliseconds(5000)));
    }

    Stage stage{probe()};
};

TEST_F(InputProbe, SeesTheArrowKeysByKeyCode) {
    expectKey("Left", "left");
    expectKey("Right", "right");
    expectKey("Up", "up");
    expectKey("Down", "down");
}

TEST_F(InputProbe, SeesLettersByCharacter) {
    expectKey("w", "w");
    expectKey("s", "s");
    expectKey("d", "d");
    expectKey("z", "z");
}

TEST_F(InputProbe, RelativeMotionKeepsCountingPastTheWindowEdge) {
    // Start in the window; the move reaches far beyond its 320 pixels.
    stage.x().moveMouseTo(400, 250);
    sleepFor(Milliseconds(300));
    stage.x().moveMouseBy(600, 0);
    EXPECT_TRUE(waitForLine(stage.program(), "mouse x 600", Milliseconds(5000)))
        << stage.program().out();
    stage.x().moveMouseBy(0, -300);
    EXPECT_TRUE(waitForLine(stage.program(), "mouse y -300", Milliseconds(5000)))
        << stage.program().out();
}

TEST_F(InputProbe, TheWheelCounts120ANotch) {
    stage.x().clickButton(4);
    EXPECT_TRUE(waitForLine(stage.program(), "mouse wheel 120", Milliseconds(5000)))
        << stage.program().out();
    stage.x().clickButton(5);
    stage.x().clickButton(5);
    EXPECT_TRUE(waitForLine(stage.program(), "mouse wheel -120", Milliseconds(5000)))
        << stage.program().out();
}

TEST_F(InputProbe, SeesTheThreeButtons) {
    expectButton(1, "left");
    expectButton(3, "right");
    expectButton(2, "middle");
}

} // namespace
} // namespace e2e
