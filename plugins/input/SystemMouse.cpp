#include "SystemMouse.h"

#include "SetupMessage.h"

#include <utility>

namespace tactrel {
namespace {

using input::kDownBit;
using input::MouseState;

constexpr SetupMessages kMouseMessages{kMouseMissing, kMouseFormatRefused, kMouseNotAcquired};

// The sums wrap around like the 32-bit registers they stand for, instead of
// overflowing (undefined for signed integers).
std::int32_t wrappingAdd(std::int32_t sum, std::int32_t delta) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(sum) +
                                     static_cast<std::uint32_t>(delta));
}

bool isDown(std::uint8_t button) {
    return (button & kDownBit) != 0;
}

} // namespace

SystemMouse::SystemMouse(InputSystemFactory factory) : factory_(std::move(factory)) {}

void SystemMouse::Release() {
    link_.close();
    delete this;
}

void SystemMouse::update() {
    MouseState state{};
    if (!link_.read(sizeof state, &state)) {
        // The sums stay; a button that was down when input went away would
        // otherwise stay down for good.
        left_ = false;
        right_ = false;
        middle_ = false;
        return;
    }
    x_ = wrappingAdd(x_, state.x);
    y_ = wrappingAdd(y_, state.y);
    wheel_ = wrappingAdd(wheel_, state.z);
    left_ = isDown(state.buttons[0]);
    right_ = isDown(state.buttons[1]);
    middle_ = isDown(state.buttons[2]);
}

int SystemMouse::GetX() {
    update();
    return x_;
}

int SystemMouse::GetY() {
    update();
    return y_;
}

int SystemMouse::GetWheel() {
    update();
    return wheel_;
}

bool SystemMouse::IsLeftButtonDown() {
    update();
    return left_;
}

bool SystemMouse::IsRightButtonDown() {
    update();
    return right_;
}

bool SystemMouse::IsMiddleButtonDown() {
    update();
    return middle_;
}

void SystemMouse::Initialize(int x, int y) {
    if (link_.open(factory_, input::DeviceKind::SystemMouse, kMouseMessages)) {
        // Through the interface, as a caller would.
        static_cast<Mouse*>(this)->SetPosition(x, y);
    }
}

void SystemMouse::SetPosition(int x, int y) {
    x_ = x;
    y_ = y;
    wheel_ = 0;
    left_ = false;
    right_ = false;
    middle_ = false;
}

} // namespace tactrel
