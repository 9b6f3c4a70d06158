// The help text printed at start-up.
#pragma once

#include <array>

namespace trovane {

inline constexpr const char* kTitleLine = "Trovane - a fly-through of the Morvex\n";

// Printed line by line after the title and an empty line.
inline constexpr std::array<const char*, 18> keyReference = {
    "keys:   use arrows to move\n",
    "        look around with your mouse\n",
    "        reflecting/sticky bombs thrown with left/right mouse button\n",
    "        regenerate morvex by pressing mouse wheel\n",
    "\n",
    "        w,s  up/down\n",
    "        F5     toggle fullscreen / windowed mode\n",
    "        c      enable collision detection\n",
    "        x      disable collision detection\n",
    "        f      BSP sorting order front=>back\n",
    "        b      BSP sorting order back=>front (default)\n",
    "        z      enable z-buffer\n",
    "        u      disable z-buffer\n",
    "        l      wireframe mode\n",
    "        t      textured triangle mode\n",
    "        d      demo mode or the command-line switch '-demo'\n",
    "        Space  pause demo\n",
    "\nsee the file 'config.ini' to change the settings.\n",
};

// The title line, an empty line and the key reference, on standard output.
void printKeyReference();

} // namespace trovane
