// The settings the program runs on when config.ini cannot be read: the same
// content as the config.ini shipped with it.
#pragma once

namespace trovane {

inline constexpr char defaultSettingsText[] =
    R"(# Built-in settings, used when config.ini cannot be read.

[Program]
Title = Trovane
Width = 800
Height = 600
Statistics = 1

[PlugIns]
Input = Tactrel.dll

[Rendering]
Z-Test = 1
FrontToBack = 0
CollisionDetection = 1

[Level]
StartX = 7.5
StartY = 5.5
StartZ = 4.5
)";

} // namespace trovane
