// The input system over SDL without a display: SDL's dummy video driver has
// no real keyboard or mouse, but runs the device rules and takes wheel events.
// (Failed steps are drilled through Tactrel's drill build in
// tactrel_module_tests.)
#include "platform/input/InputSystem.h"
#include "platform/input/sdl/MouseRecord.h"
#include "tests/support/ScopedEnvironment.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>

namespace trovane::platform::input {
namespace {

using test::ScopedEnvironment;

class SdlInputSystemTest : public ::testing::Test {
protected:
    void SetUp() override { environment.set("SDL_VIDEODRIVER", "dummy"); }

    // A device of a system the test keeps; nullptr when either cannot be made.
    std::unique_ptr<InputDevice> newDevice(DeviceKind kind) {
        system_ = createInputSystem(getModuleHandle());
        return system_ != nullptr ? system_->createDevice(kind) : nullptr;
    }

    std::unique_ptr<InputDevice> acquiredDevice(InputSystem& system, DeviceKind kind) {
        auto device = system.createDevice(kind);
        const DataFormat format =
            kind == DeviceKind::SystemMouse ? DataFormat::Mouse : DataFormat::Keyboard;
        if (device && device->setDataFormat(format) && device->acquire()) {
            return device;
        }
        return nullptr;
    }

    static void pushWheel(int notches, bool flipped = false) {
        SDL_Event event{};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.y = notches;
        event.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    static MouseState read(InputDevice& mouse) {
        MouseState state{};
        EXPECT_TRUE(mouse.getDeviceState(sizeof state, &state));
        return state;
    }

    ScopedEnvironment environment;

private:
    std::unique_ptr<InputSystem> system_;
};

TEST_F(SdlInputSystemTest, NoDisplayMeansNoInputSystem) {
    environment.set("SDL_VIDEODRIVER", "x11");
    environment.unset("DISPLAY");
    EXPECT_EQ(createInputSystem(getModuleHandle()), nullptr);
}

TEST_F(SdlInputSystemTest, NoModuleHandleMeansNoInputSystem) {
    EXPECT_EQ(createInputSystem(nullptr), nullptr);
}

TEST_F(SdlInputSystemTest, DeviceTakesOnlyItsOwnFormatAndNotWhileAcquired) {
    auto mouse = newDevice(DeviceKind::SystemMouse);
    ASSERT_NE(mouse, nullptr);
    EXPECT_FALSE(mouse->setDataFormat(DataFormat::Keyboard));
    EXPECT_FALSE(mouse->acquire()) << "acquired without a data format";
    ASSERT_TRUE(mouse->setDataFormat(DataFormat::Mouse));
    ASSERT_TRUE(mouse->acquire());
    EXPECT_TRUE(mouse->acquire()) << "acquiring again succeeds";
    EXPECT_FALSE(mouse->setDataFormat(DataFormat::Mouse));
}

TEST_F(SdlInputSystemTest, StateIsReadOnlyWhileAcquiredAndInTheFormatsSize) {
    auto keyboard = newDevice(DeviceKind::SystemKeyboard);
    ASSERT_NE(keyboard, nullptr);
    ASSERT_TRUE(keyboard->setDataFormat(DataFormat::Keyboard));

    std::array<std::uint8_t, kKeyboardStateSize + 1> table;
    table.fill(0xAA);
    EXPECT_FALSE(keyboard->getDeviceState(kKeyboardStateSize, table.data()));
    ASSERT_TRUE(keyboard->acquire());
    EXPECT_FALSE(keyboard->getDeviceState(kKeyboardStateSize + 1, table.data()));
    EXPECT_FALSE(keyboard->getDeviceState(kKeyboardStateSize, nullptr));
    EXPECT_EQ(table[0], 0xAA) << "a failed read wrote into the buffer";

    ASSERT_TRUE(keyboard->getDeviceState(kKeyboardStateSize, table.data()));
    for (std::size_t i = 0; i < kKeyboardStateSize; ++i) {
        EXPECT_EQ(table[i], 0) << i;
    }
    EXPECT_EQ(table[kKeyboardStateSize], 0xAA);

    keyboard->unacquire();
    EXPECT_FALSE(keyboard->getDeviceState(kKeyboardStateSize, table.data()));
}

TEST_F(SdlInputSystemTest, WheelNotchesCount120EachAndAreTakenByTheRead) {
    auto system = createInputSystem(getModuleHandle());
    ASSERT_NE(system, nullptr);
    auto mouse = acquiredDevice(*system, DeviceKind::SystemMouse);
    ASSERT_NE(mouse, nullptr);
    pushWheel(1);
    pushWheel(2);
    pushWheel(1, true);
    EXPECT_EQ(read(*mouse).z, 2 * kWheelNotch);
    EXPECT_EQ(read(*mouse).z, 0);
    pushWheel(-1);
    EXPECT_EQ(read(*mouse).z, -kWheelNotch);
}

TEST_F(SdlInputSystemTest, WheelTurnsWhileNotAcquiredAreNotCounted) {
    auto system = createInputSystem(getModuleHandle());
    ASSERT_NE(system, nullptr);
    auto mouse = acquiredDevice(*system, DeviceKind::SystemMouse);
    ASSERT_NE(mouse, nullptr);
    mouse->unacquire();
    pushWheel(3);
    ASSERT_TRUE(mouse->acquire());
    pushWheel(1);
    EXPECT_EQ(read(*mouse).z, kWheelNotch);
}

TEST_F(SdlInputSystemTest, EveryAcquiredMouseSeesTheWheel) {
    auto first = createInputSystem(getModuleHandle());
    auto second = createInputSystem(getModuleHandle());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    auto mouseA = acquiredDevice(*first, DeviceKind::SystemMouse);
    auto mouseB = acquiredDevice(*second, DeviceKind::SystemMouse);
    ASSERT_NE(mouseA, nullptr);
    ASSERT_NE(mouseB, nullptr);
    pushWheel(1);
    mouseA.reset();
    pushWheel(1);
    EXPECT_EQ(read(*mouseB).z, 2 * kWheelNotch);
}

TEST_F(SdlInputSystemTest, WheelStillCountsAfterSdlWasStoppedAndStartedAgain) {
    for (int round = 0; round < 2; ++round) {
        auto system = createInputSystem(getModuleHandle());
        ASSERT_NE(system, nullptr);
        auto mouse = acquiredDevice(*system, DeviceKind::SystemMouse);
        ASSERT_NE(mouse, nullptr);
        pushWheel(1);
        EXPECT_EQ(read(*mouse).z, kWheelNotch) << "round " << round;
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "the last reference did not stop SDL";
}

TEST_F(SdlInputSystemTest, ShuttingSdlDownBeneathADeviceStopsItsReadsSafely) {
    auto system = createInputSystem(getModuleHandle());
    ASSERT_NE(system, nullptr);
    auto mouse = acquiredDevice(*system, DeviceKind::SystemMouse);
    ASSERT_NE(mouse, nullptr);
    SDL_Quit();
    MouseState state{};
    EXPECT_FALSE(mouse->getDeviceState(sizeof state, &state));
    EXPECT_FALSE(mouse->acquire());
}

} // namespace
} // namespace trovane::platform::input
