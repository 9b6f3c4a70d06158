// Corvane's contract: component type "Engine", one interface "Engine".
#include "ComponentEngine.h"

#include <new>

namespace {
constexpr plugin::InterfaceTable<1> kTable{"Engine", {"Engine"}};
constexpr int kEngineId = 0;
} // namespace

extern "C" {

int APIVersion() {
    return plugin::kApiVersion;
}

const char* ComponentType() {
    return kTable.componentType;
}

int GetInterfaceID(const char* name) {
    return kTable.find(name);
}

void* CreateInstanceByID(int id) {
    if (id != kEngineId) {
        return nullptr;
    }
    return static_cast<Engine*>(new (std::nothrow) corvane::ComponentEngine());
}

void* CreateInstance(const char* name) {
    const int id = GetInterfaceID(name);
    return id < 0 ? nullptr : CreateInstanceByID(id);
}

} // extern "C"

const char* EnumerateInterfaces(unsigned int index) {
    return kTable.enumerate(index);
}
