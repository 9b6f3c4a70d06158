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
    {"Program.Title", Kind::Text, 0.0f, "Trovane", 0.0f},
    {"Program.Width", Kind::Size, 800.0f, nullptr, 0.0f},
    {"Program.Height", Kind::Size, 600.0f, nullptr, 0.0f},
    {"Program.Statistics", Kind::Switch, 1.0f, nullptr, 0.0f},
    {"PlugIns.Input", Kind::Text, 0.0f, "Tactrel.dll", 0.0f},
    {"Rendering.Z-Test", Kind::Switch, 1.0f, nullptr, 0.0f},
    {"Rendering.FrontToBack", Kind::Switch, 0.0f, nullptr, 0.0f},
    {"Rendering.CollisionDetection", Kind::Switch, 1.0f, nullptr, 0.0f},
    // Culling leaves the picture as it is, so a file written before it existed keeps it on.
    {"Rendering.PortalCulling", Kind::Switch, 1.0f, nullptr, 1.0f},
    // The centre of the first station's start room.
    {"Level.StartX", Kind::Coordinate, 7.5f, nullptr, 0.0f},
    {"Level.StartY", Kind::Coordinate, 5.5f, nullptr, 0.0f},
    {"Level.StartZ", Kind::Coordinate, 4.5f, nullptr, 0.0f},
};

// "Program" of "Program.Title"; "Title" of it.
constexpr std::string_view sectionOf(std::string_view key) {
    return key.substr(0, key.find('.'));
}
constexpr std::string_view nameOf(std::string_view key) {
    return key.substr(key.find('.') + 1);
}

// The row of a key, found while compiling, so the program names each key by
// its text ("Program.Title") and a key that is not in the table reads past its
// end, which does not compile.
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
