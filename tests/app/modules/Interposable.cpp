// A library built WITHOUT the protection of the real ones: its CreateInstance
// calls its exported GetInterfaceID through the dynamic linker. In a program
// that exports GetInterfaceID too, that call reaches the program's copy.
#include "sdk/Plugin.h"

#include <cstring>

namespace {
struct Probe final : plugin::Object {
    void Release() override {}
};
Probe probe;
} // namespace

extern "C" {
int APIVersion() {
    return 1;
}
const char* ComponentType() {
    return "Test";
}
int GetInterfaceID(const char* name) {
    return name != nullptr && std::strcmp(name, "Probe") == 0 ? 0 : -1;
}
void* CreateInstanceByID(int id) {
    return id == 0 ? &probe : nullptr;
}
void* CreateInstance(const char* name) {
    const int id = GetInterfaceID(name);
    return id < 0 ? nullptr : CreateInstanceByID(id);
}
}

const char* EnumerateInterfaces(unsigned int index) {
    return index == 0 ? "Probe" : nullptr;
}
