// "Mouse" over a scripted device: running sums, one read per query, one
// re-acquire per failed read, set-up messages and the release order.
#include "SystemMouse.h"
#include "ScriptedInput.h"
#include "sdk/OwnedObject.h"

#include <gtest/gtest.h>

#include <climits>

namespace tactrel::test {
namespace {

using Calls = std::vector<std::string>;

class SystemMouseTest : public ::testing::Test {
protected:
    plugin::Owned<Mouse> makeMouse() {
        return plugin::Owned<Mouse>(new SystemMouse(scriptedFactory(script)));
    }

    // Initialises a new mouse at (x, y) and forgets the set-up calls.
    plugin::Owned<Mouse> readyMouse(int x = 0, int y = 0) {
        auto mouse = makeMouse();
        mouse->Initialize(x, y);
        script->calls.clear();
        return mouse;
    }

    std::shared_ptr<InputScript> script = std::make_shared<InputScript>();
};

TEST_F(SystemMouseTest, StartsAtTheGivenPositionWithoutMovement) {
    auto mouse = makeMouse();
    testing::internal::CaptureStdout();
    mouse->Initialize(100, 50);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(script->calls, (Calls{"create", "device", "format", "acquire"}));
    EXPECT_EQ(script->module, input::getModuleHandle()) << "not the running program's handle";
    EXPECT_EQ(mouse->GetX(), 100);
    EXPECT_EQ(mouse->GetY(), 50);
    EXPECT_EQ(mouse->GetWheel(), 0);
}

TEST_F(SystemMouseTest, EveryQueryReadsOnceAndMovementItSeesCountsForAllSums) {
    auto mouse = readyMouse(10, 20);
    script->queueMouse(3, 4, 120, true, false, true);
    EXPECT_EQ(mouse->GetY(), 24);
    script->queueMouse(5, 0, -240);
    EXPECT_EQ(mouse->GetX(), 18);
    EXPECT_EQ(mouse->GetWheel(), -120);
    EXPECT_EQ(script->calls, (Calls{"read", "read", "read"}));
}

TEST_F(SystemMouseTest, ButtonsFollowTheLastRead) {
    auto mouse = readyMouse();
    script->queueMouse(0, 0, 0, true, false, false);
    EXPECT_TRUE(mouse->IsLeftButtonDown());
    script->queueMouse(0, 0, 0, false, true, false);
    EXPECT_TRUE(mouse->IsRightButtonDown());
    script->queueMouse(0, 0, 0, false, false, true);
    EXPECT_TRUE(mouse->IsMiddleButtonDown());
    EXPECT_FALSE(mouse->IsMiddleButtonDown());
}

TEST_F(SystemMouseTest, SetPositionRestartsTheSumsAndClearsButtonsUntilTheNextRead) {
    auto mouse = readyMouse();
    script->queueMouse(30, 40, 360, true, true, true);
    ASSERT_EQ(mouse->GetX(), 30);
    mouse->SetPosition(0, 0);
    EXPECT_EQ(script->calls, Calls{"read"}) << "SetPosition must not read";
    script->readFailures = 1;
    script->acquireFails = true;
    EXPECT_EQ(mouse->GetX(), 0);
    EXPECT_EQ(mouse->GetWheel(), 0);
    script->acquireFails = false;
    script->queueMouse(0, 0, 0, true);
    EXPECT_TRUE(mouse->IsLeftButtonDown());
}

TEST_F(SystemMouseTest, AFailedReadIsFollowedByOneAcquireAndOneMoreRead) {
    auto mouse = readyMouse();
    script->readFailures = 1;
    script->queueMouse(7, 0, 0);
    EXPECT_EQ(mouse->GetX(), 7);
    EXPECT_EQ(script->calls, (Calls{"read failed", "acquire", "read"}));
}

TEST_F(SystemMouseTest, WhenNoReadSucceedsTheSumsStayAndTheButtonsAreUp) {
    auto mouse = readyMouse(5, 6);
    script->queueMouse(1, 1, 0, true);
    ASSERT_EQ(mouse->GetX(), 6);

    script->acquireFails = true;
    script->readFailures = 1;
    EXPECT_FALSE(mouse->IsLeftButtonDown());
    EXPECT_EQ(script->calls, (Calls{"read", "read failed", "acquire failed"}));

    script->acquireFails = false;
    script->readFailures = 2;
    script->calls.clear();
    EXPECT_EQ(mouse->GetY(), 7);
    EXPECT_EQ(script->calls, (Calls{"read failed", "acquire", "read failed"}));
}

TEST_F(SystemMouseTest, SumsWrapAroundAt32Bits) {
    auto mouse = readyMouse(INT_MAX, INT_MIN);
    script->queueMouse(1, -1, 0);
    EXPECT_EQ(mouse->GetX(), INT_MIN);
    EXPECT_EQ(mouse->GetY(), INT_MAX);
}

TEST_F(SystemMouseTest, QueriesBeforeInitializeReturnZeroWithoutADevice) {
    auto mouse = makeMouse();
    EXPECT_EQ(mouse->GetX(), 0);
    EXPECT_EQ(mouse->GetWheel(), 0);
    EXPECT_FALSE(mouse->IsRightButtonDown());
    EXPECT_TRUE(script->calls.empty());
}

TEST_F(SystemMouseTest, ReleaseUnacquiresThenReleasesTheDeviceThenTheSystem) {
    auto mouse = readyMouse();
    mouse.reset();
    EXPECT_EQ(script->calls, (Calls{"unacquire", "release device", "release system"}));
}

TEST_F(SystemMouseTest, InitializingAgainLetsGoOfTheFirstDeviceFirst) {
    auto mouse = readyMouse(1, 2);
    mouse->Initialize(3, 4);
    EXPECT_EQ(script->calls, (Calls{"unacquire", "release device", "release system", "create",
                                    "device", "format", "acquire"}));
    EXPECT_EQ(mouse->GetX(), 3);
}

struct SetupFailure {
    const char* name;
    void (*arrange)(InputScript&);
    const char* message;
    std::vector<std::string> releaseCalls;
};

class MouseSetupFailureTest : public SystemMouseTest,
                              public ::testing::WithParamInterface<SetupFailure> {};

TEST_P(MouseSetupFailureTest, PrintsItsMessageAloneAndKeepsTheStoredValues) {
    GetParam().arrange(*script);
    auto mouse = makeMouse();
    testing::internal::CaptureStdout();
    mouse->Initialize(100, 50);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), GetParam().message);
    EXPECT_EQ(mouse->GetX(), 0) << "the start position was taken";
    EXPECT_FALSE(mouse->IsLeftButtonDown());
    script->calls.clear();
    mouse.reset();
    EXPECT_EQ(script->calls, GetParam().releaseCalls);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, MouseSetupFailureTest,
    ::testing::Values(SetupFailure{"Create",
                                   [](InputScript& s) { s.createFails = true; },
                                   "DirectInput8 not available.",
                                   {}},
                      SetupFailure{"Device",
                                   [](InputScript& s) { s.deviceFails = true; },
                                   "Mouse not available.",
                                   {"release system"}},
                      SetupFailure{"Format",
                                   [](InputScript& s) { s.formatFails = true; },
                                   "Invalid mouse data format.",
                                   {"unacquire", "release device", "release system"}},
                      SetupFailure{"Acquire",
                                   [](InputScript& s) { s.acquireFails = true; },
                                   "Failed to aquire mouse.",
                                   {"unacquire", "release device", "release system"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tactrel::test
