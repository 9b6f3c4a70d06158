// Starting as a Windows screensaver: a program whose own file name ends in
// ".scr" takes Windows' screensaver arguments instead of its own.
#pragma once

#include <cstdint>

namespace trovane {

struct ScreensaverStart {
    bool active = false;   // started as a screensaver that goes on to fly
    bool finished = false; // nothing more to do: exit with exitCode
    int exitCode = 0;
    bool fullScreen = false;      // "/s": full screen, ending on input
    std::uint64_t hostWindow = 0; // "/p": the preview's parent window
};

// Reads the arguments when the program runs under a screensaver's name. "/c"
// (or none) opens the settings file the program would read in the system's
// editor, or says in one line where it would be, and finishes. A second "/s"
// while one runs finishes at once. Bad arguments, or a preview window that
// does not exist, get one line on standard error and finish with code 2. A
// full-screen run or a preview lets go of a console of its own.
ScreensaverStart startAsScreensaver(int argc, const char* const argv[]);

} // namespace trovane
