// The smallest complete contract: one interface, "Engine", and no objects.
// Shadrel is built from this file, and Trovane exports the same answers.
#include "sdk/Plugin.h"

namespace {
constexpr plugin::InterfaceTable<1> kTable{"System", {"Engine"}};
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

void* CreateInstance(const char* /*name*/) {
    return nullptr;
}

// One function under both export names: its argument, a pointer or an int,
// arrives in the same register and is ignored.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wattribute-alias"
#endif
void* CreateInstanceByID(int) __attribute__((alias("CreateInstance")));
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

} // extern "C"

const char* EnumerateInterfaces(unsigned int index) {
    return kTable.enumerate(index);
}
