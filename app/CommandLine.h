// The program's command line as a value: what was asked for, and what was not understood.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace trovane {

struct CommandLine {
    bool demo = false;    // "-demo" as the only argument: demo mode from the first frame
    bool help = false;    // "--help" or "-h": print the usage and exit
    bool version = false; // "--version": print the version and exit
    std::vector<std::string> unknown; // arguments no switch takes, in their order
};

// Reads the arguments after the program name. Nothing here fails: an argument
// that no switch takes is kept in unknown and otherwise ignored.
CommandLine parseCommandLine(int argc, const char* const argv[]);

// The usage text printed by --help, one switch a line.
void printUsage(std::ostream& out);

// "Trovane <version>", the version of the build.
std::string versionLine();

// One line per unknown argument, naming it and pointing to --help.
void warnUnknownArguments(const CommandLine& commandLine, std::ostream& err);

} // namespace trovane
