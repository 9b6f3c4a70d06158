// The arguments Windows gives a screensaver program (a program whose file name
// ends in ".scr"), read without touching the system: "/s" runs it full screen,
// "/p HWND" (or "/p:HWND") draws a preview into that window, "/c" (or
// "/c:HWND", or no argument at all) asks for its settings. Switches are read
// case-insensitively, with "/" or "-" before them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trovane {

// True when the file name of path (after its last "/" or "\") ends in ".scr",
// in any case.
bool isScreensaverFileName(std::string_view path);

struct ScreensaverArguments {
    enum class Mode { Settings, FullScreen, Preview };
    Mode mode = Mode::Settings;
    // The preview's parent window for Preview; the settings dialog's owner for
    // Settings when one is named (0 otherwise).
    std::uint64_t window = 0;
    // One line when the arguments cannot be used (exit code 2); empty otherwise.
    std::string error;
};

// Reads the arguments after the program name.
ScreensaverArguments parseScreensaverArguments(int argc, const char* const argv[]);

} // namespace trovane
