#include "app/ProgramGlobals.h"

namespace trovane {

// Defined in this order in one file, so the parser ends before the loaders
// unload, and the loaders unload in the reverse order of their members.
StaticLoaders staticLoaders;
plugin::Owned<IniParser> globalIniParser;
Settings programSettings;

} // namespace trovane
