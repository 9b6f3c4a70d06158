// Every setting the program takes from config.ini, read once at start-up.
// Keys, built-in values and how each is read are in the table of ConfigKeys.h.
#pragma once

#include "app/ConfigKeys.h"
#include "math/Vector3.h"
#include "sdk/IniParser.h"

#include <string>

namespace trovane {

// The member values are the table's built-in ones, used when no config.ini
// could be read.
struct Settings {
    bool statistics = keys::builtInSwitch("Program.Statistics"); // print the start-up steps
    int height = keys::builtInSize("Program.Height");            // client pixels
    int width = keys::builtInSize("Program.Width");              // client pixels
    const char* title = keys::row("Program.Title").builtInText;  // null when a read file has none
    const char* input = keys::row("PlugIns.Input").builtInText;  // library of "Mouse", "Keyboard"
    bool zTest = keys::builtInSwitch("Rendering.Z-Test");
    bool frontToBack = keys::builtInSwitch("Rendering.FrontToBack");
    Vector3 start{keys::row("Level.StartX").builtIn, keys::row("Level.StartY").builtIn,
                  keys::row("Level.StartZ").builtIn}; // the first start room
    bool collisionDetection = keys::builtInSwitch("Rendering.CollisionDetection");
    bool portalCulling = keys::builtInSwitch("Rendering.PortalCulling");
    std::string file; // the config.ini read; empty for the built-in values
};

// Same values, wherever they were read; texts compared by content.
bool operator==(const Settings& a, const Settings& b);

// The settings of a config.ini that was read. A missing number counts as its
// row's `whenMissing` (0 but for portal culling) and a missing text as null; a switch is on when
// its number is not 0; sizes are truncated toward zero and stay at the ends of the int range. Texts
// are the parser's own, which lives as long as the program.
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
