// The input devices over the system's DirectInput 8: the system mouse and
// keyboard behind our interface, and the key codes the program asks for.
// (Failed steps are drilled through Tactrel's drill build in
// tactrel_module_tests.)
#include "platform/input/InputSystem.h"
#include "platform/input/KeyCode.h"
#include "platform/input/OemKeyScan.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdint>

namespace trovane::platform::input {
namespace {

TEST(DirectInputTest, ProgramModuleIsTheExecutable) {
    EXPECT_EQ(getModuleHandle(), GetModuleHandleA(nullptr));
    EXPECT_NE(getModuleHandle(), nullptr);
    EXPECT_EQ(createInputSystem(nullptr), nullptr);
}

TEST(DirectInputTest, MouseTakesOnlyItsFormatAndReadsItsRecord) {
    auto system = createInputSystem(getModuleHandle());
    ASSERT_NE(system, nullptr);
    auto mouse = system->createDevice(DeviceKind::SystemMouse);
    ASSERT_NE(mouse, nullptr);
    EXPECT_FALSE(mouse->acquire()) << "acquired without a data format";
    EXPECT_FALSE(mouse->setDataFormat(DataFormat::Keyboard));
    ASSERT_TRUE(mouse->setDataFormat(DataFormat::Mouse));
    ASSERT_TRUE(mouse->acquire());
    EXPECT_TRUE(mouse->acquire()) << "acquiring again succeeds";
    EXPECT_FALSE(mouse->setDataFormat(DataFormat::Mouse)) << "format changed while acquired";

    MouseState state{};
    state.buttons[3] = 0xAA;
    EXPECT_FALSE(mouse->getDeviceState(sizeof state - 1, &state));
    EXPECT_FALSE(mouse->getDeviceState(kKeyboardStateSize, &state));
    EXPECT_EQ(state.buttons[3], 0xAA) << "a failed read wrote into the record";
    EXPECT_TRUE(mouse->getDeviceState(sizeof state, &state));

    mouse->unacquire();
    EXPECT_FALSE(mouse->getDeviceState(sizeof state, &state));
    EXPECT_TRUE(mouse->acquire());
}

TEST(DirectInputTest, KeyboardReadsItsTableOnlyWhileAcquired) {
    auto system = createInputSystem(getModuleHandle());
    ASSERT_NE(system, nullptr);
    auto keyboard = system->createDevice(DeviceKind::SystemKeyboard);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_FALSE(keyboard->setDataFormat(DataFormat::Mouse));
    ASSERT_TRUE(keyboard->setDataFormat(DataFormat::Keyboard));

    std::array<std::uint8_t, kKeyboardStateSize + 1> table;
    table.fill(0xAA);
    EXPECT_FALSE(keyboard->getDeviceState(kKeyboardStateSize, table.data()));
    ASSERT_TRUE(keyboard->acquire());
    EXPECT_FALSE(keyboard->getDeviceState(sizeof(MouseState), table.data()));
    EXPECT_FALSE(keyboard->getDeviceState(kKeyboardStateSize, nullptr));
    EXPECT_EQ(table[0], 0xAA) << "a failed read wrote into the table";

    ASSERT_TRUE(keyboard->getDeviceState(kKeyboardStateSize, table.data()));
    for (std::size_t i = 0; i < kKeyboardStateSize; ++i) {
        EXPECT_EQ(table[i], 0) << "key " << i << " down with nobody typing";
    }
    EXPECT_EQ(table[kKeyboardStateSize], 0xAA);
}

TEST(DirectInputTest, EachSystemHasItsOwnDevices) {
    auto first = createInputSystem(getModuleHandle());
    auto second = createInputSystem(getModuleHandle());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    auto keyboard = first->createDevice(DeviceKind::SystemKeyboard);
    auto mouse = second->createDevice(DeviceKind::SystemMouse);
    ASSERT_NE(keyboard, nullptr);
    ASSERT_NE(mouse, nullptr);
    ASSERT_TRUE(keyboard->setDataFormat(DataFormat::Keyboard));
    ASSERT_TRUE(mouse->setDataFormat(DataFormat::Mouse));
    EXPECT_TRUE(keyboard->acquire());
    EXPECT_TRUE(mouse->acquire());
    keyboard.reset();
    first.reset();
    MouseState state{};
    EXPECT_TRUE(mouse->getDeviceState(sizeof state, &state));
}

TEST(DirectInputTest, CharactersFindTheKeysOfTheProgramsKeyCodes) {
    for (const char letter : {'w', 'W'}) {
        EXPECT_EQ(oemKeyScan(static_cast<std::uint16_t>(letter)) & 0xFF, key::W) << letter;
    }
    EXPECT_EQ(oemKeyScan('W') & kShiftState, kShiftState) << "a capital needs shift";
    EXPECT_EQ(oemKeyScan('a') & 0xFF, key::A);
    EXPECT_EQ(oemKeyScan('s') & 0xFF, key::S);
    EXPECT_EQ(oemKeyScan('d') & 0xFF, key::D);
    EXPECT_EQ(oemKeyScan(' ') & 0xFF, key::Space);
    // A negative character widened to 16 bits has no key: entry 255 is tested.
    EXPECT_EQ(oemKeyScan(static_cast<std::uint16_t>(static_cast<signed char>(-53))), kNoKey);
}

} // namespace
} // namespace trovane::platform::input
