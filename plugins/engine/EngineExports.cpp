// Corvane's contract: component type "Engine", one interface "Engine".
#include "ComponentEngine.h"
#include "sdk/PluginExports.h"

namespace {
constexpr plugin::InterfaceTable<1> kTable{"Engine", {"Engine"}};
} // namespace

TROVANE_PLUGIN_EXPORTS(kTable, (plugin::createNew<Engine, corvane::ComponentEngine>))
