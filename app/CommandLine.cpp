#include "app/CommandLine.h"

#include <ostream>
#include <span>
#include <string_view>

#ifndef TROVANE_VERSION
#error "TROVANE_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace trovane {

CommandLine parseCommandLine(int argc, const char* const argv[]) {
    CommandLine commandLine;
    const std::span<const char* const> args(argv + 1, argc > 1 ? argc - 1 : 0);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-demo") {
            // Demo mode starts with the program only when "-demo" stands alone.
            commandLine.demo = args.size() == 1;
        } else if (arg == "--help" || arg == "-h") {
            commandLine.help = true;
        } else if (arg == "--version") {
            commandLine.version = true;
        } else {
            commandLine.unknown.emplace_back(arg);
        }
    }
    return commandLine;
}

void printUsage(std::ostream& out) {
    out << "usage: trovane [-demo] [--help] [--version]\n"
           "\n"
           "  -demo       fly the demo path from the first frame (the d key does the same)\n"
           "  --help, -h  print this text and exit\n"
           "  --version   print the version and exit\n"
           "\n"
           "Settings are read from config.ini; see the README for where it is looked for.\n";
}

std::string versionLine() {
    return std::string("Trovane ") + TROVANE_VERSION;
}

void warnUnknownArguments(const CommandLine& commandLine, std::ostream& err) {
    for (const std::string& arg : commandLine.unknown) {
        err << "Trovane: ignoring unknown argument '" << arg << "' (see --help)\n";
    }
}

} // namespace trovane
