// Start-up of the program up to building the application.
#pragma once

#include "app/LibraryNames.h"
#include "sdk/IniParser.h"

namespace trovane {

// Loads the file-reader and INI libraries into the static loaders, creates the
// global IniParser, parses configFile into it and reads programSettings from
// it. When configFile cannot be read it says so once on standard error and
// the built-in settings stay. A missing library or object is fatal: one line
// on standard error naming the file and the reason, and false.
bool loadConfiguration(const char* configFile = kConfigFile);

} // namespace trovane
