#include "platform/input/win32/DirectInputSystem.h"

#include "platform/input/win32/DirectInputDevice.h"

#include <utility>

namespace trovane::platform::input {

DirectInputSystem::DirectInputSystem(ComRef<IDirectInput8A> directInput)
    : directInput_(std::move(directInput)) {}

std::unique_ptr<InputDevice> DirectInputSystem::createDevice(DeviceKind kind) {
    const GUID& instance = kind == DeviceKind::SystemMouse ? GUID_SysMouse : GUID_SysKeyboard;
    ComRef<IDirectInputDevice8A> device;
    if (FAILED(directInput_->CreateDevice(instance, device.out(), nullptr)) ||
        device.get() == nullptr) {
        return nullptr;
    }
    // No cooperative level is set: the devices are made before the program
    // has a window to tie them to. Each keeps DirectInput's default (shared,
    // in the background), and the device itself counts input only while a
    // window of this program is in front.
    return std::make_unique<DirectInputDevice>(kind, std::move(device));
}

std::unique_ptr<InputSystem> createInputSystem(ModuleHandle program) {
    if (program == nullptr) {
        return nullptr;
    }
    ComRef<IDirectInput8A> directInput;
    if (FAILED(DirectInput8Create(static_cast<HINSTANCE>(program), DIRECTINPUT_VERSION,
                                  IID_IDirectInput8A, reinterpret_cast<void**>(directInput.out()),
                                  nullptr)) ||
        directInput.get() == nullptr) {
        return nullptr;
    }
    return std::make_unique<DirectInputSystem>(std::move(directInput));
}

} // namespace trovane::platform::input
