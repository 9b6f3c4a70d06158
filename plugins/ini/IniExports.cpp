// Lexmoor's contract: component type "IO", one interface "IniParser".
#include "SettingsParser.h"
#include "sdk/PluginExports.h"

#include <new>

namespace {

constexpr plugin::InterfaceTable<1> kTable{"IO", {"IniParser"}};

void* createParser(int /*id*/) {
    return static_cast<IniParser*>(new (std::nothrow) lexmoor::SettingsParser());
}

} // namespace

TROVANE_PLUGIN_EXPORTS(kTable, createParser)
