// The built input library under a virtual X server, with the program's own
// window layer pumping the messages: keys, letters by character, relative
// motion past the window's edge, the wheel and three buttons, made by xdotool.
// Keys and buttons are held while checked, since polled state misses a press
// and release that both fall between two reads.
#include "app/host/PluginLoader.h"
#include "platform/input/KeyCode.h"
#include "platform/window/Messages.h"
#include "platform/window/VideoSystem.h"
#include "platform/window/Window.h"
#include "sdk/InputDevices.h"
#include "sdk/OwnedObject.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/XvfbServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace trovane {
namespace {

namespace key = platform::input::key;
using std::chrono::milliseconds;

constexpr const char* kTitle = "TactrelX11Test";
constexpr auto kEventLimit = milliseconds(5000);

bool xdotool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "xdotool");
    return test::runProcess(arguments, test::Milliseconds(5000)).succeeded();
}

class TactrelX11Test : public ::testing::Test {
protected:
    void SetUp() override {
        display.exportDisplay();
        std::string error;
        video = platform::VideoSystem::open(error);
        ASSERT_NE(video, nullptr) << error;
        ASSERT_TRUE(loader.Load("Tactrel.dll")) << loader.error();
        // Made before the window, as the program makes them.
        mouse.reset(static_cast<Mouse*>(loader.Create("Mouse")));
        keyboard.reset(static_cast<Keyboard*>(loader.Create("Keyboard")));
        ASSERT_NE(mouse, nullptr);
        ASSERT_NE(keyboard, nullptr);
        mouse->Initialize(0, 0);
        keyboard->Initialize();

        platform::WindowOptions options;
        options.title = kTitle;
        options.client = {0, 0, 640, 480};
        window = platform::Window::create(options, error);
        ASSERT_NE(window, nullptr) << error;
        window->show(0);
        ASSERT_TRUE(xdotool({"search", "--sync", "--name", kTitle, "windowfocus", "--sync"}));
        // A key seen proves the focus has reached the window.
        ASSERT_TRUE(holdKey("shift", [&] { return keyDown(key::LeftShift); }));
    }

    void TearDown() override {
        keyboard.reset();
        mouse.reset();
        window.reset();
    }

    // Takes every waiting message, as the program's loop does, until check
    // holds or kEventLimit passes.
    static bool pumpUntil(const std::function<bool()>& check) {
        const auto deadline = std::chrono::steady_clock::now() + kEventLimit;
        while (std::chrono::steady_clock::now() < deadline) {
            platform::Message message;
            while (platform::peekMessage(message)) {
            }
            if (check()) {
                return true;
            }
            std::this_thread::sleep_for(milliseconds(10));
        }
        return false;
    }

    bool keyDown(std::uint8_t code) { return keyboard->IsKeyDown(static_cast<char>(code), false); }

    // Holds key down until check holds, then lets it go and waits until
    // release holds.
    bool holdKey(const std::string& name, const std::function<bool()>& check,
                 const std::function<bool()>& release = nullptr) {
        if (!xdotool({"keydown", name})) {
            return false;
        }
        const bool seen = pumpUntil(check);
        const bool up = xdotool({"keyup", name});
        return seen && up && (!release || pumpUntil(release));
    }

    bool holdButton(int button, const std::function<bool()>& check) {
        const std::string number = std::to_string(button);
        if (!xdotool({"mousedown", number})) {
            return false;
        }
        const bool seen = pumpUntil(check);
        const bool up = xdotool({"mouseup", number});
        return seen && up && pumpUntil([&] { return !check(); });
    }

    test::XvfbServer display;
    std::unique_ptr<platform::VideoSystem> video;
    PluginLoader loader;
    plugin::Owned<Mouse> mouse;
    plugin::Owned<Keyboard> keyboard;
    std::unique_ptr<platform::Window> window;
};

TEST_F(TactrelX11Test, ArrowKeysAreSeenByTheirKeyCodes) {
    const std::pair<const char*, std::uint8_t> arrows[] = {
        {"Left", key::Left}, {"Right", key::Right}, {"Up", key::Up}, {"Down", key::Down}};
    for (const auto& [name, code] : arrows) {
        EXPECT_TRUE(holdKey(
            name, [&, code = code] { return keyDown(code); },
            [&, code = code] { return !keyDown(code); }))
            << name;
    }
}

TEST_F(TactrelX11Test, LettersAreSeenByCharacterInEitherCase) {
    EXPECT_TRUE(holdKey(
        "w",
        [&] {
            return keyboard->IsKeyDown('w', true) && keyboard->IsKeyDown('W', true) &&
                   !keyboard->IsKeyDown('s', true);
        },
        [&] { return !keyboard->IsKeyDown('w', true); }));
    EXPECT_TRUE(holdKey("d", [&] { return keyboard->IsKeyDown('D', true); }));
}

TEST_F(TactrelX11Test, MotionKeepsCountingPastTheWindowsEdge) {
    ASSERT_EQ(mouse->GetX(), 0); // the first read after focus turns raw motion on
    // Far more than the window is wide: plain pointer motion would stop at its edge.
    ASSERT_TRUE(xdotool({"mousemove_relative", "--", "600", "0"}));
    ASSERT_TRUE(xdotool({"mousemove_relative", "--", "600", "0"}));
    EXPECT_TRUE(pumpUntil([&] { return mouse->GetX() >= 1200; })) << mouse->GetX();
    EXPECT_EQ(mouse->GetX(), 1200);
    ASSERT_TRUE(xdotool({"mousemove_relative", "--", "0", "-50"}));
    EXPECT_TRUE(pumpUntil([&] { return mouse->GetY() == -50; })) << mouse->GetY();
}

TEST_F(TactrelX11Test, TwoMiceSeeTheSameMoves) {
    plugin::Owned<Mouse> second(static_cast<Mouse*>(loader.Create("Mouse")));
    ASSERT_NE(second, nullptr);
    second->Initialize(0, 0);
    ASSERT_EQ(mouse->GetX(), 0);
    ASSERT_EQ(second->GetX(), 0);
    ASSERT_TRUE(xdotool({"mousemove_relative", "--", "100", "0"}));
    EXPECT_TRUE(pumpUntil([&] { return mouse->GetX() >= 100; })) << mouse->GetX();
    EXPECT_EQ(second->GetX(), 100) << "the first mouse took the move";
}

TEST_F(TactrelX11Test, EachWheelNotchCounts120) {
    ASSERT_TRUE(xdotool({"click", "4"}));
    EXPECT_TRUE(pumpUntil([&] { return mouse->GetWheel() == 120; })) << mouse->GetWheel();
    ASSERT_TRUE(xdotool({"click", "--repeat", "3", "5"}));
    EXPECT_TRUE(pumpUntil([&] { return mouse->GetWheel() == -240; })) << mouse->GetWheel();
}

TEST_F(TactrelX11Test, ThreeButtonsAreSeenWhileHeld) {
    EXPECT_TRUE(holdButton(1, [&] { return mouse->IsLeftButtonDown(); }));
    EXPECT_TRUE(holdButton(3, [&] { return mouse->IsRightButtonDown(); }));
    EXPECT_TRUE(holdButton(2, [&] { return mouse->IsMiddleButtonDown(); }));
}

} // namespace
} // namespace trovane
