// The smallest complete contract: one interface, "Engine", and no objects.
// Shadrel is built from this file, and Trovane exports the same answers.
#include "sdk/PluginExports.h"

namespace {

constexpr plugin::InterfaceTable<1> kTable{"System", {"Engine"}};

void* createNothing(int /*id*/) {
    return nullptr;
}

} // namespace

TROVANE_PLUGIN_EXPORTS(kTable, createNothing)
