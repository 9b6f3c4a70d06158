// "Keyboard" over a scripted device: the key index rules, one read per query,
// the table kept when no read succeeds, and set-up messages.
#include "SystemKeyboard.h"
#include "ScriptedInput.h"
#include "SystemMouse.h"
#include "platform/input/KeyCode.h"
#include "sdk/OwnedObject.h"

#include <gtest/gtest.h>

namespace tactrel::test {
namespace {

using Calls = std::vector<std::string>;
namespace key = trovane::platform::input::key;

TEST(KeyIndexTest, KeyCodesAreTakenAsUnsigned8BitValues) {
    EXPECT_EQ(keyIndex(static_cast<char>(203), false), key::Left);
    EXPECT_EQ(keyIndex(static_cast<char>(-53), false), key::Left);
    EXPECT_EQ(keyIndex(static_cast<char>(255), false), 255);
    EXPECT_EQ(keyIndex('w', false), 'w');
}

TEST(KeyIndexTest, CharactersOfEitherCaseTestTheKeyThatTypesThem) {
    EXPECT_EQ(keyIndex('w', true), key::W);
    EXPECT_EQ(keyIndex('W', true), key::W);
    EXPECT_EQ(keyIndex(' ', true), key::Space);
}

TEST(KeyIndexTest, CharactersNoKeyTypesTestEntry255) {
    EXPECT_EQ(keyIndex(static_cast<char>(0xE9), true), 255);
    EXPECT_EQ(keyIndex(static_cast<char>(-1), true), 255);
    // Windows' own key scan finds NUL on the 2 key, with Control and Shift
    // held; our US table gives it no key.
#ifndef _WIN32
    EXPECT_EQ(keyIndex('\0', true), 255);
#endif
}

class SystemKeyboardTest : public ::testing::Test {
protected:
    plugin::Owned<Keyboard> makeKeyboard() {
        return plugin::Owned<Keyboard>(new SystemKeyboard(scriptedFactory(script)));
    }

    plugin::Owned<Keyboard> readyKeyboard() {
        auto keyboard = makeKeyboard();
        keyboard->Initialize();
        script->calls.clear();
        return keyboard;
    }

    std::shared_ptr<InputScript> script = std::make_shared<InputScript>();
};

TEST_F(SystemKeyboardTest, EveryQueryReadsTheDeviceAfresh) {
    auto keyboard = readyKeyboard();
    script->queueKeys({key::Left});
    EXPECT_TRUE(keyboard->IsKeyDown(static_cast<char>(key::Left), false));
    EXPECT_FALSE(keyboard->IsKeyDown(static_cast<char>(key::Left), false));
    EXPECT_EQ(script->calls, (Calls{"read", "read"}));
}

TEST_F(SystemKeyboardTest, LettersAskedForByCharacterFindTheirKeyInAnyCase) {
    auto keyboard = readyKeyboard();
    script->queueKeys({key::W});
    script->queueKeys({key::W});
    EXPECT_TRUE(keyboard->IsKeyDown('w', true));
    EXPECT_TRUE(keyboard->IsKeyDown('W', true));
    script->queueKeys({key::W});
    EXPECT_FALSE(keyboard->IsKeyDown('s', true));
}

TEST_F(SystemKeyboardTest, WhenNoReadSucceedsEveryKeyIsUpUntilOneDoes) {
    auto keyboard = readyKeyboard();
    script->queueKeys({key::Up});
    ASSERT_TRUE(keyboard->IsKeyDown(static_cast<char>(key::Up), false));

    script->readFailures = 1;
    script->acquireFails = true;
    script->calls.clear();
    EXPECT_FALSE(keyboard->IsKeyDown(static_cast<char>(key::Up), false));
    EXPECT_EQ(script->calls, (Calls{"read failed", "acquire failed"}));

    script->readFailures = 2;
    script->acquireFails = false;
    script->calls.clear();
    EXPECT_FALSE(keyboard->IsKeyDown(static_cast<char>(key::Up), false));
    EXPECT_EQ(script->calls, (Calls{"read failed", "acquire", "read failed"}));

    script->queueKeys({key::Up});
    EXPECT_TRUE(keyboard->IsKeyDown(static_cast<char>(key::Up), false)) << "read again";
}

TEST_F(SystemKeyboardTest, AFailedReadIsFollowedByOneAcquireAndOneMoreRead) {
    auto keyboard = readyKeyboard();
    script->readFailures = 1;
    script->queueKeys({key::Down});
    EXPECT_TRUE(keyboard->IsKeyDown(static_cast<char>(key::Down), false));
    EXPECT_EQ(script->calls, (Calls{"read failed", "acquire", "read"}));
}

TEST_F(SystemKeyboardTest, InitializeClearsTheTable) {
    auto keyboard = readyKeyboard();
    script->queueKeys({key::Right});
    ASSERT_TRUE(keyboard->IsKeyDown(static_cast<char>(key::Right), false));
    keyboard->Initialize();
    script->readFailures = 1;
    script->acquireFails = true;
    EXPECT_FALSE(keyboard->IsKeyDown(static_cast<char>(key::Right), false));
}

TEST_F(SystemKeyboardTest, WithoutADeviceEveryKeyIsUp) {
    auto keyboard = makeKeyboard();
    EXPECT_FALSE(keyboard->IsKeyDown('w', true));
    EXPECT_TRUE(script->calls.empty());
}

TEST_F(SystemKeyboardTest, ReleaseUnacquiresThenReleasesTheDeviceThenTheSystem) {
    auto keyboard = readyKeyboard();
    keyboard.reset();
    EXPECT_EQ(script->calls, (Calls{"unacquire", "release device", "release system"}));
}

struct SetupFailure {
    const char* name;
    void (*arrange)(InputScript&);
    const char* message;
};

class KeyboardSetupFailureTest : public SystemKeyboardTest,
                                 public ::testing::WithParamInterface<SetupFailure> {};

TEST_P(KeyboardSetupFailureTest, PrintsItsMessageAloneAndReportsKeysUp) {
    GetParam().arrange(*script);
    auto keyboard = makeKeyboard();
    testing::internal::CaptureStdout();
    keyboard->Initialize();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), GetParam().message);
    script->queueKeys({key::W});
    EXPECT_FALSE(keyboard->IsKeyDown('w', true));
    keyboard.reset(); // Release works whatever was made
}

INSTANTIATE_TEST_SUITE_P(
    Steps, KeyboardSetupFailureTest,
    ::testing::Values(SetupFailure{"Create", [](InputScript& s) { s.createFails = true; },
                                   "DirectInput8 not available."},
                      SetupFailure{"Device", [](InputScript& s) { s.deviceFails = true; },
                                   "Keyboard not available."},
                      SetupFailure{"Format", [](InputScript& s) { s.formatFails = true; },
                                   "Invalid keyboard data format."},
                      SetupFailure{"Acquire", [](InputScript& s) { s.acquireFails = true; },
                                   "Failed to aquire keyboard."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SetupMessagesTest, FailuresInARowShareOneLine) {
    auto script = std::make_shared<InputScript>();
    script->deviceFails = true;
    plugin::Owned<Mouse> mouse(new SystemMouse(scriptedFactory(script)));
    plugin::Owned<Keyboard> keyboard(new SystemKeyboard(scriptedFactory(script)));
    testing::internal::CaptureStdout();
    mouse->Initialize(0, 0);
    keyboard->Initialize();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Mouse not available.Keyboard not available.");
}

} // namespace
} // namespace tactrel::test
