// Lexmoor's contract: component type "IO", one interface "IniParser".
#include "SettingsParser.h"

#include <new>

namespace {
constexpr plugin::InterfaceTable<1> kTable{"IO", {"IniParser"}};
constexpr int kIniParserId = 0;
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
    if (id != kIniParserId) {
        return nullptr;
    }
    return static_cast<IniParser*>(new (std::nothrow) lexmoor::SettingsParser());
}

void* CreateInstance(const char* name) {
    const int id = GetInterfaceID(name);
    return id < 0 ? nullptr : CreateInstanceByID(id);
}

} // extern "C"

const char* EnumerateInterfaces(unsigned int index) {
    return kTable.enumerate(index);
}
