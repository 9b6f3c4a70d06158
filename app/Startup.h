// Start-up of the program up to building the application.
#pragma once

#include "app/host/DataFiles.h"
#include "sdk/IniParser.h"

#include <string>
#include <vector>

namespace trovane {

// Loads the file-reader and INI libraries into the static loaders, creates the
// global IniParser, parses the first of configFiles that opens into it and
// reads programSettings from it, noting the file. When none can be read it
// says so once on standard error, naming the first, and the built-in settings
// stay. A missing library or object is fatal: one line on standard error
// naming the file and the reason, and false.
bool loadConfiguration(
    const std::vector<std::string>& configFiles = configFileCandidates(currentSearchPlaces()));

} // namespace trovane
