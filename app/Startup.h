// Start-up of the program up to building the application.
#pragma once

#include "app/LibraryNames.h"
#include "sdk/IniParser.h"

namespace trovane {

// What the program section of the settings asks for.
struct ProgramSettings {
    bool showStatistics = false;
    int height = 0;
    int width = 0;
    const char* title = nullptr; // owned by the parser; null when not set
};

// Loads the file-reader and INI libraries into the static loaders, creates the
// global IniParser and parses configFile into it. When configFile cannot be
// read it says so once on standard error and parses the built-in defaults
// instead. A missing library or object is fatal: one line on standard error
// naming the file and the reason, and false.
bool loadConfiguration(const char* configFile = kConfigFile);

// Reads Program.Statistics, Program.Height, Program.Width and Program.Title, in
// this order. Sizes are truncated toward zero; beyond the int range they stay
// at its ends, and a value that is not a number gives 0.
ProgramSettings readProgramSettings(IniParser& parser);

} // namespace trovane
