// The program's state with static lifetime: the four library loaders and the
// one IniParser. Kept together so that their teardown order is fixed.
#pragma once

#include "app/Settings.h"
#include "app/host/PluginLoader.h"
#include "sdk/IniParser.h"
#include "sdk/OwnedObject.h"

namespace trovane {

// Constructed empty before main, in this order, and destroyed after main
// returns in the reverse order, each unloading its library.
struct StaticLoaders {
    PluginLoader files;  // Bastrel: file readers, loaded at start-up
    PluginLoader ini;    // Lexmoor: the INI parser, loaded at start-up
    PluginLoader images; // Vistrane: image readers, loaded when the window starts
    PluginLoader input;  // the library named by PlugIns.Input
};

extern StaticLoaders staticLoaders;

// The settings of the whole run, created at start-up from the ini loader (null
// before). Released after main returns, before its library is unloaded.
extern plugin::Owned<IniParser> globalIniParser;

// What the settings ask for, read from the parser once at start-up; the
// built-in settings until then, or when no config.ini could be read.
extern Settings programSettings;

} // namespace trovane
