// The table of settings: every configuration key the program reads, once, with
// its built-in value (the one used when no config.ini could be read, and the
// one the shipped config.ini holds) and the kind that says how readSettings
// (Settings.cpp) reads it. The end-to-end tests write their config.ini from it.
// Adding a setting: a row here, a member in Settings, its line in readSettings,
// and the same value in config.ini.
#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace trovane::keys {

inline constexpr const char* kProgramTitle = "Program.Title";   // window class, title, caption
inline constexpr const char* kProgramWidth = "Program.Width";   // client width, truncated
inline constexpr const char* kProgramHeight = "Program.Height"; // client height, truncated
inline constexpr const char* kProgramStatistics = "Program.Statistics"; // progress lines
inline constexpr const char* kPlugInsInput = "PlugIns.Input"; // library of "Mouse" and "Keyboard"
inline constexpr const char* kRenderingZTest = "Rendering.Z-Test";
inline constexpr const char* kRenderingFrontToBack = "Rendering.FrontToBack";
inline constexpr const char* kRenderingCollisionDetection = "Rendering.CollisionDetection";
inline constexpr const char* kRenderingPortalCulling = "Rendering.PortalCulling";
inline constexpr const char* kLevelStartX = "Level.StartX";
inline constexpr const char* kLevelStartY = "Level.StartY";
inline constexpr const char* kLevelStartZ = "Level.StartZ";

// How a value is read and which values make sense. A number a read file lacks
// counts as `whenMissing`, a text as null.
enum class Kind {
    Switch,     // on for any number but 0; built in as 0 or 1
    Size,       // pixels, truncated toward zero; usable above 0
    Coordinate, // world units; the station spans 0 to 8 on each axis
    Text,       // taken as written; built in not empty
};

struct Setting {
    const char* key; // "Section.Name", as the parser is asked
    Kind kind;
    float builtIn;           // a number's built-in value
    const char* builtInText; // a text's built-in value
    float whenMissing;       // a number's value when a read file lacks the key
};

// Grouped by section, in the order config.ini lists them.
inline constexpr Setting kTable[] = {
    {kProgramTitle, Kind::Text, 0.0f, "Trovane", 0.0f},
    {kProgramWidth, Kind::Size, 800.0f, nullptr, 0.0f},
    {kProgramHeight, Kind::Size, 600.0f, nullptr, 0.0f},
    {kProgramStatistics, Kind::Switch, 1.0f, nullptr, 0.0f},
    {kPlugInsInput, Kind::Text, 0.0f, "Tactrel.dll", 0.0f},
    {kRenderingZTest, Kind::Switch, 1.0f, nullptr, 0.0f},
    {kRenderingFrontToBack, Kind::Switch, 0.0f, nullptr, 0.0f},
    {kRenderingCollisionDetection, Kind::Switch, 1.0f, nullptr, 0.0f},
    // Culling leaves the picture as it is, so a file written before it existed keeps it on.
    {kRenderingPortalCulling, Kind::Switch, 1.0f, nullptr, 1.0f},
    // The centre of the first station's start room.
    {kLevelStartX, Kind::Coordinate, 7.5f, nullptr, 0.0f},
    {kLevelStartY, Kind::Coordinate, 5.5f, nullptr, 0.0f},
    {kLevelStartZ, Kind::Coordinate, 4.5f, nullptr, 0.0f},
};

// "Program" of "Program.Title"; "Title" of it.
constexpr std::string_view sectionOf(std::string_view key) {
    return key.substr(0, key.find('.'));
}
constexpr std::string_view nameOf(std::string_view key) {
    return key.substr(key.find('.') + 1);
}

// The row of a key, found while compiling: a key that is not in the table
// reads past its end, which does not compile.
consteval const Setting& row(std::string_view key) {
    std::size_t i = 0;
    while (i < std::size(kTable) && key != kTable[i].key) {
        ++i;
    }
    return kTable[i];
}

consteval bool builtInSwitch(std::string_view key) {
    return row(key).builtIn != 0.0f;
}
consteval int builtInSize(std::string_view key) {
    return static_cast<int>(row(key).builtIn);
}

constexpr bool obeysItsRule(const Setting& s) {
    switch (s.kind) {
    case Kind::Switch:
        return s.builtIn == 0.0f || s.builtIn == 1.0f;
    case Kind::Size:
        return s.builtIn >= 1.0f && s.builtIn == static_cast<float>(static_cast<int>(s.builtIn));
    case Kind::Coordinate:
        return s.builtIn >= 0.0f && s.builtIn <= 8.0f;
    case Kind::Text:
        return s.builtInText != nullptr && s.builtInText[0] != '\0';
    }
    return false;
}

consteval bool wellFormed() {
    for (std::size_t i = 0; i < std::size(kTable); ++i) {
        const std::string_view key = kTable[i].key;
        if (key.find('.') == std::string_view::npos || !obeysItsRule(kTable[i])) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (key == kTable[j].key) {
                return false;
            }
        }
        // A section's rows stay together, so the file written from the table
        // names each section once.
        if (i > 0 && sectionOf(key) != sectionOf(kTable[i - 1].key)) {
            for (std::size_t j = 0; j + 1 < i; ++j) {
                if (sectionOf(kTable[j].key) == sectionOf(key)) {
                    return false;
                }
            }
        }
    }
    return true;
}
static_assert(wellFormed(), "each key once, as Section.Name, sections together, "
                            "built-in values within their kind's rule");

} // namespace trovane::keys
