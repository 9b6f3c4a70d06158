#include "platform/input/win32/DirectInputDevice.h"

#include "platform/input/KeyCode.h"
#include "platform/input/win32/ForegroundWindow.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <utility>

namespace trovane::platform::input {
namespace {

// The states are DirectInput's own records, handed through unchanged.
static_assert(sizeof(MouseState) == sizeof(DIMOUSESTATE));
static_assert(offsetof(MouseState, x) == offsetof(DIMOUSESTATE, lX));
static_assert(offsetof(MouseState, y) == offsetof(DIMOUSESTATE, lY));
static_assert(offsetof(MouseState, z) == offsetof(DIMOUSESTATE, lZ));
static_assert(offsetof(MouseState, buttons) == offsetof(DIMOUSESTATE, rgbButtons));
static_assert(kKeyboardStateSize == 256, "c_dfDIKeyboard delivers 256 bytes");

// Our key names are DirectInput's key codes.
static_assert(key::Escape == DIK_ESCAPE && key::Return == DIK_RETURN);
static_assert(key::LeftControl == DIK_LCONTROL && key::LeftShift == DIK_LSHIFT);
static_assert(key::Space == DIK_SPACE && key::F1 == DIK_F1);
static_assert(key::A == DIK_A && key::D == DIK_D && key::S == DIK_S && key::W == DIK_W);
static_assert(key::Up == DIK_UP && key::Left == DIK_LEFT);
static_assert(key::Right == DIK_RIGHT && key::Down == DIK_DOWN);

DataFormat formatOf(DeviceKind kind) {
    return kind == DeviceKind::SystemMouse ? DataFormat::Mouse : DataFormat::Keyboard;
}

} // namespace

DirectInputDevice::DirectInputDevice(DeviceKind kind, ComRef<IDirectInputDevice8A> device)
    : kind_(kind), device_(std::move(device)) {}

DirectInputDevice::~DirectInputDevice() {
    device_->Unacquire();
}

bool DirectInputDevice::setDataFormat(DataFormat format) {
    if (format != formatOf(kind_)) {
        return false;
    }
    const DIDATAFORMAT* layout = format == DataFormat::Mouse ? &c_dfDIMouse : &c_dfDIKeyboard;
    // DirectInput itself refuses a new format while the device is acquired.
    if (FAILED(device_->SetDataFormat(layout))) {
        return false;
    }
    formatSet_ = true;
    return true;
}

bool DirectInputDevice::acquire() {
    if (!formatSet_) {
        return false;
    }
    // An acquired device answers S_FALSE, which counts as success.
    return SUCCEEDED(device_->Acquire());
}

void DirectInputDevice::unacquire() {
    device_->Unacquire();
}

bool DirectInputDevice::getDeviceState(std::size_t size, void* data) {
    if (!formatSet_ || data == nullptr || size != stateSize()) {
        return false;
    }
    // Read aside first, so a failed read leaves the caller's buffer as it was.
    std::array<std::byte, kKeyboardStateSize> state{};
    if (FAILED(device_->GetDeviceState(static_cast<DWORD>(size), state.data()))) {
        return false;
    }
    keepToForeground(state.data());
    std::memcpy(data, state.data(), size);
    return true;
}

void DirectInputDevice::keepToForeground(std::byte* state) {
    // Read even when the input is not ours, so that what was gathered
    // meanwhile is spent and never arrives later as one jump.
    const ForegroundWindow front = foregroundWindow();
    if (!front.ours) {
        std::memset(state, 0, stateSize());
        return;
    }
    if (kind_ != DeviceKind::SystemMouse) {
        return;
    }
    auto* mouse = reinterpret_cast<MouseState*>(state);
    if (!front.pointerHeld) {
        *mouse = MouseState{};
    } else if (front.takes != pointerTakesSeen_) {
        // The first read after the pointer is taken back holds the way it
        // went while it was free.
        mouse->x = 0;
        mouse->y = 0;
        mouse->z = 0;
    }
    pointerTakesSeen_ = front.pointerHeld ? front.takes : 0;
}

std::size_t DirectInputDevice::stateSize() const {
    return kind_ == DeviceKind::SystemMouse ? sizeof(MouseState) : kKeyboardStateSize;
}

} // namespace trovane::platform::input
