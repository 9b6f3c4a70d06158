// The program's command line as a value: what was asked for, and what was not understood.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace trovane {

struct CommandLine {
    bool demo = false;    // "-demo" as the only argument: demo mode from the first frame
    bool help = false;    // "--help" or "-h": print the usage and exit
    bool version = false; // "--version": print the version and exit
    std::vector<std::string> unknown; // arguments no switch takes, in their order

    // "-timedemo [SECONDS]": fly the demo path at a fixed step for SECONDS of
    // wall time, print the frame-rate report and exit.
    bool timedemo = false;
    double timedemoSeconds = kDefaultTimedemoSeconds;
    bool json = false; // "--json": the report as one JSON object
    // "--shots T1,T2,...": with -timedemo, save the frames drawn at these
    // seconds of flight (0 to its length), ascending.
    std::vector<double> shots;
    // "-station N": start with the Nth station of the sequence.
    int station = 1;
    // Screensaver mode: the demo flight drawn into a window a screensaver
    // daemon hands over, "--root" or "--window-id ID", else the window in
    // $XSCREENSAVER_WINDOW (see useScreensaverWindowVariable).
    struct ScreensaverWindow {
        bool root = false;
        std::uint64_t windowId = 0; // nonzero when one is given
        bool chosen() const { return root || windowId != 0; }
    } screensaver;
    // Set for a switch with an unusable value: one line, and exit 2.
    std::string error;

    static constexpr double kDefaultTimedemoSeconds = 10.0;
    static constexpr double kMaxTimedemoSeconds = 86400.0;
    static constexpr int kMaxStation = 100000;
};

// Reads the arguments after the program name. Nothing here fails: an argument
// that no switch takes is kept in unknown and otherwise ignored.
CommandLine parseCommandLine(int argc, const char* const argv[]);

// Takes the window named by $XSCREENSAVER_WINDOW (value, null when unset), as
// screensaver hacks do, unless an option chose a window or an error is set.
void useScreensaverWindowVariable(CommandLine& commandLine, const char* value);

// The usage text printed by --help, one switch a line.
void printUsage(std::ostream& out);

// "Trovane <version>", the version of the build.
std::string versionLine();

// One line per unknown argument, naming it and pointing to --help.
void warnUnknownArguments(const CommandLine& commandLine, std::ostream& err);

} // namespace trovane
