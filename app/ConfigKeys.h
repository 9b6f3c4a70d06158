// Every configuration key the program reads, as "Section.Key"; readSettings
// (Settings.cpp) says how each is read.
#pragma once

#include <array>

namespace trovane::keys {

inline constexpr const char* kProgramStatistics = "Program.Statistics"; // switch: progress lines
inline constexpr const char* kProgramHeight = "Program.Height";         // client height, truncated
inline constexpr const char* kProgramWidth = "Program.Width";           // client width, truncated
inline constexpr const char* kProgramTitle = "Program.Title"; // window class, title, caption

inline constexpr const char* kPlugInsInput = "PlugIns.Input"; // library of "Mouse" and "Keyboard"
inline constexpr const char* kRenderingZTest = "Rendering.Z-Test";            // switch
inline constexpr const char* kRenderingFrontToBack = "Rendering.FrontToBack"; // switch
inline constexpr const char* kLevelStartZ = "Level.StartZ";
inline constexpr const char* kLevelStartY = "Level.StartY";
inline constexpr const char* kLevelStartX = "Level.StartX";
inline constexpr const char* kRenderingCollisionDetection =
    "Rendering.CollisionDetection"; // switch
inline constexpr const char* kRenderingPortalCulling =
    "Rendering.PortalCulling"; // switch, on when missing

inline constexpr std::array<const char*, 12> kAll = {
    kProgramStatistics,
    kProgramHeight,
    kProgramWidth,
    kProgramTitle,
    kPlugInsInput,
    kRenderingZTest,
    kRenderingFrontToBack,
    kLevelStartZ,
    kLevelStartY,
    kLevelStartX,
    kRenderingCollisionDetection,
    kRenderingPortalCulling,
};

} // namespace trovane::keys
