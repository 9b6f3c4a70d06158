// Stand-ins for the frame update's devices: a keyboard and a mouse that log
// every query in one shared list, switches that remember what was set, and a
// clock the test moves.
#pragma once

#include "app/frame/RenderSwitches.h"
#include "sdk/InputDevices.h"

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace trovane::test {

using PollLog = std::vector<std::string>;

// The name a key query is logged under: "key:w" for a letter, "code:203"
// for a DirectInput key code.
inline std::string keyName(char key, bool byCharacter) {
    return byCharacter ? "key:" + std::string(1, key)
                       : "code:" + std::to_string(static_cast<unsigned char>(key));
}

class FakeKeyboard final : public Keyboard {
public:
    explicit FakeKeyboard(PollLog& log) : log_(log) {}

    void hold(char letter) { down_.insert(keyName(letter, true)); }
    void holdCode(unsigned char code) { down_.insert(keyName(static_cast<char>(code), false)); }
    void releaseAll() { down_.clear(); }

    bool IsKeyDown(char key, bool byCharacter) override {
        std::string name = keyName(key, byCharacter);
        log_.push_back(name);
        return down_.count(name) != 0;
    }
    void Initialize() override {}
    void Release() override {}

private:
    PollLog& log_;
    std::set<std::string> down_;
};

class FakeMouse final : public Mouse {
public:
    explicit FakeMouse(PollLog& log) : log_(log) {}

    int x = 0;
    int y = 0;
    int wheel = 0;
    bool left = false;
    bool right = false;
    bool middle = false;

    int GetX() override { return logged("x", x); }
    int GetY() override { return logged("y", y); }
    int GetWheel() override { return logged("wheel", wheel); }
    bool IsLeftButtonDown() override { return logged("left", left); }
    bool IsRightButtonDown() override { return logged("right", right); }
    bool IsMiddleButtonDown() override { return logged("middle", middle); }
    void Initialize(int, int) override {}
    void SetPosition(int, int) override {}
    void Release() override {}

private:
    template <typename T>
    T logged(const char* name, T value) {
        log_.push_back(std::string("mouse:") + name);
        return value;
    }

    PollLog& log_;
};

class FakeSwitches final : public RenderSwitches {
public:
    void setDepthTest(bool on) override { depthTest = on; }
    void setPolygonMode(PolygonMode mode) override { polygonMode = mode; }

    std::optional<bool> depthTest;
    std::optional<PolygonMode> polygonMode;
};

} // namespace trovane::test
