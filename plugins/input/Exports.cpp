// The six exports of the input library: "Mouse" (0) and "Keyboard" (1).
#include "SystemKeyboard.h"
#include "SystemMouse.h"
#include "platform/input/InputSystem.h"
#include "sdk/Plugin.h"

#include <new>

namespace {

constexpr plugin::InterfaceTable<2> kInterfaces{"Input", {"Mouse", "Keyboard"}};

void* createMouse() {
    Mouse* mouse = new (std::nothrow) tactrel::SystemMouse(&tactrel::input::createInputSystem);
    return mouse;
}

void* createKeyboard() {
    Keyboard* keyboard =
        new (std::nothrow) tactrel::SystemKeyboard(&tactrel::input::createInputSystem);
    return keyboard;
}

} // namespace

extern "C" {

int APIVersion() {
    return plugin::kApiVersion;
}

const char* ComponentType() {
    return kInterfaces.componentType;
}

int GetInterfaceID(const char* name) {
    return kInterfaces.find(name);
}

void* CreateInstanceByID(int id) {
    switch (id) {
    case 0:
        return createMouse();
    case 1:
        return createKeyboard();
    default:
        return nullptr;
    }
}

void* CreateInstance(const char* name) {
    const int id = GetInterfaceID(name);
    return id < 0 ? nullptr : CreateInstanceByID(id);
}

} // extern "C"

const char* EnumerateInterfaces(unsigned int index) {
    return kInterfaces.enumerate(index);
}
