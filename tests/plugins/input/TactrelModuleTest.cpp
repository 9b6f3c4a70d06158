// The built input library, loaded as the program loads it: its contract, and
// its set-up messages over the real device layer without a display (those of
// failed steps through its drill build, TactrelDrills).
#include "app/host/PluginLoader.h"
#include "sdk/InputDevices.h"
#include "sdk/OwnedObject.h"
#include "tests/plugins/support/ContractExpectations.h"
#include "tests/support/ParamName.h"
#include "tests/support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <string>

namespace trovane {
namespace {

TEST(TactrelContractTest, AnswersAsTheInputLibrary) {
    test::expectContract(test::ContractProbe("Tactrel.dll"),
                         {"Input", {{"Mouse", true}, {"Keyboard", true}}});
}

TEST(TactrelContractTest, NamesAreCaseSensitiveAndDefaultIsNotOne) {
    test::ContractProbe probe("Tactrel.dll");
    ASSERT_TRUE(probe.complete()) << probe.library.error();
    EXPECT_STREQ(probe.enumerateInterfaces(0), "Mouse");
    EXPECT_STREQ(probe.enumerateInterfaces(1), "Keyboard");
    EXPECT_EQ(probe.enumerateInterfaces(2), nullptr);
    EXPECT_EQ(probe.getInterfaceId("keyboard"), -1);
    EXPECT_EQ(probe.getInterfaceId("Keyboard"), 1);
    EXPECT_EQ(probe.createInstance("Default"), nullptr);
}

// The real devices: on Windows the system's DirectInput, elsewhere SDL with
// its dummy video driver standing in for a display without input hardware.
class TactrelDevicesTest : public ::testing::Test {
protected:
    explicit TactrelDevicesTest(const char* library = "Tactrel.dll") : library_(library) {}

    void SetUp() override {
        environment.set("SDL_VIDEODRIVER", "dummy");
        ASSERT_TRUE(loader.Load(library_)) << loader.error();
    }

    // Initialises a new mouse (at 100, 50) and keyboard; returns what they printed.
    std::string initializeBoth() {
        mouse.reset(static_cast<Mouse*>(loader.Create("Mouse")));
        keyboard.reset(static_cast<Keyboard*>(loader.Create("Keyboard")));
        EXPECT_NE(mouse, nullptr);
        EXPECT_NE(keyboard, nullptr);
        if (!mouse || !keyboard) {
            return "";
        }
        testing::internal::CaptureStdout();
        mouse->Initialize(100, 50);
        keyboard->Initialize();
        return testing::internal::GetCapturedStdout();
    }

    void expectIdle() {
        EXPECT_FALSE(keyboard->IsKeyDown('w', true));
        EXPECT_FALSE(keyboard->IsKeyDown(static_cast<char>(203), false));
        EXPECT_FALSE(mouse->IsLeftButtonDown());
        EXPECT_EQ(mouse->GetWheel(), 0);
    }

    const char* library_;
    test::ScopedEnvironment environment;
    PluginLoader loader; // declared first: unloaded after the objects end
    plugin::Owned<Mouse> mouse;
    plugin::Owned<Keyboard> keyboard;
};

TEST_F(TactrelDevicesTest, SetUpSucceedsSilentlyAndNothingMoves) {
    EXPECT_EQ(initializeBoth(), "");
    EXPECT_EQ(mouse->GetX(), 100);
    EXPECT_EQ(mouse->GetY(), 50);
    expectIdle();
}

// Only the drill build reads the drills' variable.
TEST_F(TactrelDevicesTest, IgnoresTheDrillVariable) {
    environment.set("TROVANE_INPUT_FAIL", "create");
    EXPECT_EQ(initializeBoth(), "");
    EXPECT_EQ(mouse->GetX(), 100);
}

#ifndef _WIN32
TEST_F(TactrelDevicesTest, NoDisplayPrintsOneMessagePerObjectOnOneLine) {
    environment.set("SDL_VIDEODRIVER", "x11");
    environment.unset("DISPLAY");
    EXPECT_EQ(initializeBoth(), "DirectInput8 not available.DirectInput8 not available.");
    EXPECT_EQ(mouse->GetX(), 0);
    expectIdle();
}
#endif

struct PlannedMessages {
    const char* plan;
    const char* printed;
    int x; // after set-up
};

// TROVANE_INPUT_FAIL breaks the chosen steps of the drill build.
class TactrelSetupFailureTest : public TactrelDevicesTest,
                                public ::testing::WithParamInterface<PlannedMessages> {
protected:
    TactrelSetupFailureTest() : TactrelDevicesTest("TactrelDrills.dll") {}
};

TEST_P(TactrelSetupFailureTest, PrintsExactlyTheMessagesOfTheFailedSteps) {
    environment.set("TROVANE_INPUT_FAIL", GetParam().plan);
    EXPECT_EQ(initializeBoth(), GetParam().printed);
    EXPECT_EQ(mouse->GetX(), GetParam().x);
    expectIdle();
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TactrelSetupFailureTest,
    ::testing::Values(
        PlannedMessages{"create", "DirectInput8 not available.DirectInput8 not available.", 0},
        PlannedMessages{"mouse.device", "Mouse not available.", 0},
        PlannedMessages{"keyboard.device", "Keyboard not available.", 100},
        PlannedMessages{"format", "Invalid mouse data format.Invalid keyboard data format.", 0},
        PlannedMessages{"mouse.format", "Invalid mouse data format.", 0},
        PlannedMessages{"mouse.acquire", "Failed to aquire mouse.", 0},
        PlannedMessages{"keyboard.acquire", "Failed to aquire keyboard.", 100},
        PlannedMessages{"read", "", 100}, PlannedMessages{"nonsense", "", 100}),
    [](const auto& info) { return trovane::test::paramName(info.param.plan); });

} // namespace
} // namespace trovane
