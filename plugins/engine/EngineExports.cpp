// Corvane's contract: component type "Engine", one interface "Engine".
#include "ComponentEngine.h"
#include "sdk/PluginExports.h"

#include <new>

namespace {

constexpr plugin::InterfaceTable<1> kTable{"Engine", {"Engine"}};

void* createEngine(int /*id*/) {
    return static_cast<Engine*>(new (std::nothrow) corvane::ComponentEngine());
}

} // namespace

TROVANE_PLUGIN_EXPORTS(kTable, createEngine)
