// The input library's contract: "Mouse" (0) and "Keyboard" (1).
#include "InputSystemFactory.h"
#include "SystemKeyboard.h"
#include "SystemMouse.h"
#include "sdk/PluginExports.h"

#include <new>

namespace {

constexpr plugin::InterfaceTable<2> kTable{"Input", {"Mouse", "Keyboard"}};
constexpr int kMouseId = 0;

void* createDevice(int id) {
    if (id == kMouseId) {
        Mouse* mouse = new (std::nothrow) tactrel::SystemMouse(&tactrel::libraryInputSystem);
        return mouse;
    }
    Keyboard* keyboard = new (std::nothrow) tactrel::SystemKeyboard(&tactrel::libraryInputSystem);
    return keyboard;
}

} // namespace

TROVANE_PLUGIN_EXPORTS(kTable, createDevice)
