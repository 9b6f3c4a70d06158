// The update half of a frame with stand-in devices and a clock the test
// moves: what each key and mouse poll does, time step, motion, switches, throwing and
// regeneration, and the camera collision that writes the status line.
#include "app/frame/FrameUpdate.h"

#include "FirstStation.h"
#include "FrameFakes.h"
#include "app/frame/BombFlight.h"
#include "app/frame/CameraCollision.h"
#include "app/frame/DemoFlight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace trovane {
namespace {

using test::FakeKeyboard;
using test::FakeMouse;
using test::FakeSwitches;
using test::PollLog;

constexpr unsigned char kLeft = 0xCB;
constexpr unsigned char kRight = 0xCD;
constexpr unsigned char kUp = 0xC8;
constexpr unsigned char kDown = 0xD0;

// The application's fields the update works on, and its devices.
class FrameUpdateTest : public ::testing::Test {
protected:
    FrameStep frame(double at) {
        now = at;
        log.clear();
        FrameScene scene{position, structure, tree,        bombs,
                         demoMode, zTest,     frontToBack, collisionDetection};
        const FrameInputs inputs{withKeyboard ? &keyboard : nullptr, withMouse ? &mouse : nullptr,
                                 switches, [this] { return now; }};
        return update.run(scene, inputs);
    }

    // Frames every dt seconds from `from` up to and including `to`.
    void framesUntil(double from, double to, double dt) {
        for (double t = from; t <= to + 1e-9; t += dt) {
            frame(t);
        }
    }

    std::string status() const { return update.statusText(); }

    Structure structure = test::firstStation();
    SharedPtr<BspTree> tree = structure.tree;
    Vector3 position;
    std::vector<SharedPtr<Bomb>> bombs;
    bool demoMode = false;
    bool zTest = false;
    bool frontToBack = false;
    bool collisionDetection = false;

    PollLog log;
    FakeKeyboard keyboard{log};
    FakeMouse mouse{log};
    FakeSwitches switches;
    bool withKeyboard = true;
    bool withMouse = true;
    double now = 0.0;
    FrameUpdate update;
};

// The buttons are read only when a throw is due: a button held between two
// throws is not even asked for.
TEST_F(FrameUpdateTest, ButtonsAreReadOnlyWhenAThrowIsDue) {
    const auto buttonsRead = [this] {
        int count = 0;
        for (const std::string& poll : log) {
            count += poll == "mouse:left" || poll == "mouse:right" || poll == "mouse:middle";
        }
        return count;
    };
    mouse.left = true;
    frame(1.0); // throws
    EXPECT_EQ(buttonsRead(), 3);
    frame(1.1);
    EXPECT_EQ(buttonsRead(), 0);
    EXPECT_EQ(bombs.size(), 1u);
    frame(1.25);
    EXPECT_EQ(buttonsRead(), 3);
    EXPECT_EQ(bombs.size(), 2u);
}

TEST_F(FrameUpdateTest, FirstFrameHasNoTimeStep) {
    keyboard.holdCode(kRight);
    EXPECT_EQ(frame(5.0).dt, 0.0f);
    EXPECT_EQ(position, Vector3());
    EXPECT_FLOAT_EQ(frame(5.25).dt, 0.25f);
    EXPECT_FLOAT_EQ(position.x, 0.25f);
}

TEST_F(FrameUpdateTest, HoldingAnArrowForOneSecondMovesOneUnitAtAnyFrameRate) {
    keyboard.holdCode(kRight);
    framesUntil(0.0, 1.0, 1.0 / 50);
    EXPECT_NEAR(position.x, 1.0f, 1e-4f);
    keyboard.releaseAll();
    keyboard.holdCode(kLeft);
    framesUntil(1.0 + 1.0 / 7, 2.0, 1.0 / 7);
    EXPECT_NEAR(position.x, 0.0f, 1e-4f);
}

TEST_F(FrameUpdateTest, MotionFollowsTheViewsAxes) {
    mouse.x = 157; // yaw of 1.57 radians
    keyboard.holdCode(kUp);
    frame(0.0);
    const FrameStep step = frame(0.5);
    // Forward is the view direction.
    EXPECT_NEAR(position.x, 0.5f * step.view.x, 1e-5f);
    EXPECT_NEAR(position.z, 0.5f * step.view.z, 1e-5f);
    EXPECT_NEAR(step.view.x, std::sin(1.57f), 1e-5f);
}

TEST_F(FrameUpdateTest, EachMovementKeyHasItsAxisAndSense) {
    struct Case {
        unsigned char code;
        char letter;
        Vector3 direction;
    };
    const Case cases[] = {{kLeft, 0, {-1, 0, 0}}, {kRight, 0, {1, 0, 0}}, {0, 'w', {0, -1, 0}},
                          {0, 's', {0, 1, 0}},    {kUp, 0, {0, 0, 1}},    {kDown, 0, {0, 0, -1}}};
    double t = 0.0;
    frame(t);
    for (const Case& c : cases) {
        keyboard.releaseAll();
        c.code != 0 ? keyboard.holdCode(c.code) : keyboard.hold(c.letter);
        const Vector3 before = position;
        t += 0.5;
        frame(t);
        const Vector3 moved = position - before;
        EXPECT_NEAR(moved.x, 0.5f * c.direction.x, 1e-6f);
        EXPECT_NEAR(moved.y, 0.5f * c.direction.y, 1e-6f);
        EXPECT_NEAR(moved.z, 0.5f * c.direction.z, 1e-6f);
    }
}

TEST_F(FrameUpdateTest, WheelTotalDriftsTheCameraEveryFrameWhateverTheTimeStep) {
    mouse.wheel = 120;
    frame(0.0);
    EXPECT_FLOAT_EQ(position.y, 1.2f) << "even the first frame, with dt 0";
    frame(0.001);
    frame(0.5);
    EXPECT_FLOAT_EQ(position.y, 3.6f);
    mouse.wheel = 0;
    frame(0.6);
    EXPECT_FLOAT_EQ(position.y, 3.6f);
}

TEST_F(FrameUpdateTest, OrientationFollowsTheMouseTotals) {
    mouse.x = 50;
    mouse.y = -30;
    const FrameStep step = frame(0.0);
    const Matrix4 expected = yawPitch(0.5f, 0.3f);
    for (int i = 0; i < 16; ++i) {
        EXPECT_FLOAT_EQ(step.orientation[i], expected[i]) << i;
    }
    const Vector3 view = normalised(transformPoint(expected, Vector3(0, 0, 1)));
    EXPECT_FLOAT_EQ(step.view.x, view.x);
    EXPECT_FLOAT_EQ(step.view.y, view.y);
    EXPECT_FLOAT_EQ(step.view.z, view.z);
}

// Unlike the other keys, p acts once per press: held down it would flip every frame.
TEST_F(FrameUpdateTest, PTogglesPortalCullingOncePerPress) {
    EXPECT_FALSE(frame(0.0).cullingToggled);
    keyboard.hold('p');
    EXPECT_TRUE(frame(0.1).cullingToggled);
    EXPECT_FALSE(frame(0.2).cullingToggled);
    keyboard.releaseAll();
    EXPECT_FALSE(frame(0.3).cullingToggled);
    keyboard.hold('p');
    EXPECT_TRUE(frame(0.4).cullingToggled);
}

TEST_F(FrameUpdateTest, KeysSwitchDepthTestOrderCollisionAndPolygonMode) {
    keyboard.hold('z');
    frame(0.0);
    EXPECT_TRUE(zTest);
    EXPECT_EQ(switches.depthTest, true);
    keyboard.releaseAll();
    keyboard.hold('u');
    frame(0.1);
    EXPECT_FALSE(zTest);
    EXPECT_EQ(switches.depthTest, false);

    keyboard.releaseAll();
    keyboard.hold('f');
    EXPECT_TRUE(frame(0.2).orderChanged);
    EXPECT_TRUE(frontToBack);
    keyboard.releaseAll();
    EXPECT_FALSE(frame(0.3).orderChanged);
    keyboard.hold('b');
    EXPECT_TRUE(frame(0.4).orderChanged);
    EXPECT_FALSE(frontToBack);

    keyboard.releaseAll();
    keyboard.hold('c');
    frame(0.5);
    EXPECT_TRUE(collisionDetection);
    keyboard.releaseAll();
    keyboard.hold('x');
    frame(0.6);
    EXPECT_FALSE(collisionDetection);

    const std::pair<char, PolygonMode> modes[] = {
        {'l', PolygonMode::Line}, {'k', PolygonMode::Point}, {'t', PolygonMode::Fill}};
    double t = 0.7;
    for (auto [key, mode] : modes) {
        keyboard.releaseAll();
        keyboard.hold(key);
        frame(t += 0.1);
        EXPECT_EQ(switches.polygonMode, mode) << key;
    }
}

TEST_F(FrameUpdateTest, DemoModeStaysOnOnceEntered) {
    keyboard.hold('d');
    frame(0.0);
    EXPECT_TRUE(demoMode);
    keyboard.releaseAll();
    frame(0.1);
    EXPECT_TRUE(demoMode);
}

TEST_F(FrameUpdateTest, HoldingTheLeftButtonThrowsAtMostEveryFifthOfASecond) {
    mouse.left = true;
    position = {-5.0f, -5.0f, -5.0f}; // outside the station, nothing in the way
    framesUntil(0.0, 1.0, 1.0 / 16);
    // Due when more than 0.2 s have passed: at 0.25, 0.5, 0.75 and 1.
    ASSERT_EQ(bombs.size(), 4u);
    for (const SharedPtr<Bomb>& bomb : bombs) {
        EXPECT_TRUE(bomb->reflecting);
    }
    EXPECT_EQ(bombs.back()->life, kReflectingBombLife) << "thrown in the last frame";
    EXPECT_EQ(bombs.back()->position, position);
    EXPECT_EQ(bombs.back()->direction, Vector3(0, 0, 1));
}

TEST_F(FrameUpdateTest, BothButtonsInOneFrameThrowTwoBombs) {
    mouse.left = true;
    mouse.right = true;
    frame(1.0);
    ASSERT_EQ(bombs.size(), 2u);
    EXPECT_TRUE(bombs[0]->reflecting);
    EXPECT_FALSE(bombs[1]->reflecting);
    EXPECT_EQ(bombs[1]->life, kStickyBombLife);
}

TEST_F(FrameUpdateTest, BombsFlyInTheFrameUpdate) {
    position = {-5.0f, -5.0f, -5.0f};
    mouse.right = true;
    frame(1.0);
    mouse.right = false;
    frame(1.5);
    ASSERT_EQ(bombs.size(), 1u);
    EXPECT_FLOAT_EQ(bombs[0]->position.z, -5.0f + 0.5f * kBombSpeed);
}

TEST_F(FrameUpdateTest, WheelButtonRegeneratesAndRemovesAllBombs) {
    StationRandomScope sequence; // regeneration draws from the program's sequence
    position = {-5.0f, -5.0f, -5.0f};
    mouse.left = true;
    mouse.right = true;
    frame(1.0);
    ASSERT_EQ(bombs.size(), 2u);
    const BspTree* old = tree.get();
    mouse.left = mouse.right = false;
    mouse.middle = true;
    const FrameStep step = frame(1.3);
    EXPECT_TRUE(step.regenerated);
    EXPECT_NE(tree.get(), old);
    EXPECT_EQ(tree.get(), structure.tree.get());
    EXPECT_TRUE(bombs.empty());
    EXPECT_EQ(bombs.capacity(), 0u) << "the bombs' storage is freed";
    EXPECT_EQ(position, Vector3(-5.0f, -5.0f, -5.0f)) << "the camera stays";
    EXPECT_FALSE(frame(1.35).regenerated) << "not again within 0.2 s";
}

TEST_F(FrameUpdateTest, HoldingTheWheelButtonRegeneratesAtMostEveryFifthOfASecond) {
    StationRandomScope sequence;
    mouse.middle = true;
    int regenerations = 0;
    for (double t = 0.0; t <= 1.0 + 1e-9; t += 1.0 / 16) {
        regenerations += frame(t).regenerated ? 1 : 0;
    }
    EXPECT_EQ(regenerations, 4);
}

// Standing outside the far wall of a room, facing it (the camera's +z).
class CameraCollisionInFrame : public FrameUpdateTest {
protected:
    void SetUp() override {
        std::optional<CellPosition> room = test::roomOnTheFarSide(structure);
        ASSERT_TRUE(room);
        const Vector3 middle = test::middleOf(*room);
        position = {middle.x, middle.y, test::kFarWallZ + 0.1f};
        collisionDetection = true;
    }
};

TEST_F(CameraCollisionInFrame, StatusReadsTheProgramNameUntilTheFirstProbe) {
    EXPECT_FALSE(frame(0.0).probed);
    EXPECT_EQ(status(), "Trovane");
}

TEST_F(CameraCollisionInFrame, OneTurnRunsExactlyOneProbe) {
    frame(0.0);
    mouse.x = 5;
    EXPECT_TRUE(frame(0.1).probed);
    const std::string afterTurn = status();
    EXPECT_EQ(afterTurn, "Go ... inf") << "looking away from the station";
    for (double t = 0.2; t < 1.0; t += 0.1) {
        EXPECT_FALSE(frame(t).probed);
    }
    EXPECT_EQ(status(), afterTurn);
}

TEST_F(CameraCollisionInFrame, MovingStraightAtTheWallEndsTwoTenthsFromIt) {
    frame(0.0);
    keyboard.holdCode(kDown); // backwards, towards the wall behind
    const FrameStep step = frame(0.01);
    EXPECT_TRUE(step.probed);
    EXPECT_NEAR(position.z, test::kFarWallZ + kWallClearance, 1e-5f);
    EXPECT_EQ(status().rfind("Collision (0.09 @ ", 0), 0u) << status();
    EXPECT_EQ(status().substr(status().size() - 2), " !");
}

TEST_F(CameraCollisionInFrame, ALongStepCannotPassThroughTheWall) {
    position.z += 0.4f; // 0.5 from the wall
    frame(0.0);
    keyboard.holdCode(kDown);
    frame(2.0); // a two-second frame: two units of motion
    EXPECT_NEAR(position.z, test::kFarWallZ + kWallClearance, 1e-5f);
}

TEST_F(CameraCollisionInFrame, SwitchedOffTheStatusKeepsItsLastText) {
    frame(0.0);
    keyboard.holdCode(kDown);
    frame(0.01);
    const std::string collided = status();
    keyboard.hold('x');
    frame(0.5);
    EXPECT_FALSE(collisionDetection);
    EXPECT_EQ(status(), collided);
    EXPECT_LT(position.z, test::kFarWallZ) << "without collision it passes the wall";
}

// A start position that is not a number (a bad setting) must not stop the
// frame: every query misses and the view stays a unit vector.
TEST_F(FrameUpdateTest, NonFinitePositionNeitherCrashesNorHangs) {
    collisionDetection = true;
    position = {std::nanf(""), 1.0f, std::numeric_limits<float>::infinity()};
    mouse.left = true;
    frame(0.0);
    mouse.x = 3;
    keyboard.holdCode(kUp);
    const FrameStep step = frame(1.0);
    EXPECT_TRUE(step.probed);
    EXPECT_EQ(status(), "Go ... inf");
    EXPECT_NEAR(length(step.view), 1.0f, 1e-6f);
    ASSERT_EQ(bombs.size(), 1u);
    mouse.left = false;
    frame(1.5);
    EXPECT_EQ(bombs.size(), 1u) << "the bomb flies on";
}

TEST_F(FrameUpdateTest, RunsWithoutKeyboardAndMouseAndTheDemoStillFlies) {
    withKeyboard = false;
    withMouse = false;
    demoMode = true;
    const double t = 2.5 * 3.14159265358979;
    const FrameStep step = frame(t);
    EXPECT_NEAR(position.x, 4.0f, 1e-4f);
    EXPECT_NEAR(position.z, 12.0f, 1e-4f);
    Vector3 expectedPosition;
    Matrix4 expected = yawPitch(0.0f, 0.0f);
    flyDemo(t, expectedPosition, expected);
    for (int i = 0; i < 16; ++i) {
        EXPECT_FLOAT_EQ(step.orientation[i], expected[i]) << i;
    }
    EXPECT_TRUE(bombs.empty());
}

} // namespace
} // namespace trovane
