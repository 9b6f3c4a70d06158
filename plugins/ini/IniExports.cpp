// Lexmoor's contract: component type "IO", one interface "IniParser".
#include "SettingsParser.h"
#include "sdk/PluginExports.h"

namespace {
constexpr plugin::InterfaceTable<1> kTable{"IO", {"IniParser"}};
} // namespace

TROVANE_PLUGIN_EXPORTS(kTable, (plugin::createNew<IniParser, lexmoor::SettingsParser>))
