// Every setting the program takes from config.ini, read once at start-up.
// To add one: a key in ConfigKeys.h, a member here with its built-in value,
// one line in readSettings, and the same value in the shipped config.ini.
#pragma once

#include "math/Vector3.h"
#include "sdk/IniParser.h"

#include <string>

namespace trovane {

// The member values are the built-in ones, used when no config.ini could be
// read; they are the values of the config.ini shipped with the program.
struct Settings {
    bool statistics = true;            // Program.Statistics: print the start-up steps
    int height = 600;                  // Program.Height: client pixels
    int width = 800;                   // Program.Width
    const char* title = "Trovane";     // Program.Title; null when a read file has none
    const char* input = "Tactrel.dll"; // PlugIns.Input: library of "Mouse" and "Keyboard"
    bool zTest = true;                 // Rendering.Z-Test
    bool frontToBack = false;          // Rendering.FrontToBack
    Vector3 start{7.5f, 5.5f, 4.5f};   // Level.StartX, StartY, StartZ: the first start room
    bool collisionDetection = true;    // Rendering.CollisionDetection
    bool portalCulling = true;         // Rendering.PortalCulling: on when missing
    std::string file;                  // the config.ini read; empty for the built-in values
};

// Same values, wherever they were read; texts compared by content.
bool operator==(const Settings& a, const Settings& b);

// The settings of a config.ini that was read. A missing number counts as 0
// and a missing text as null; a switch is on when its number is not 0; sizes
// are truncated toward zero and stay at the ends of the int range. Texts are
// the parser's own, which lives as long as the program.
Settings readSettings(IniParser& parser);

// What the window opens with: a null title, or a width or height of zero or
// less, gives the built-in title and size; anything else stays as it is.
struct WindowSettings {
    const char* title;
    int width;
    int height;
};
WindowSettings usableWindow(const char* title, int width, int height);

} // namespace trovane
