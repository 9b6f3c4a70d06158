#include "app/Settings.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace trovane {
namespace {

// Truncation toward zero without undefined behaviour for huge or NaN values.
int truncateToInt(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr float lowest = static_cast<float>(std::numeric_limits<int>::min());
    constexpr float highest = static_cast<float>(std::numeric_limits<int>::max());
    if (value <= lowest) {
        return std::numeric_limits<int>::min();
    }
    if (value >= highest) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

// A number as its row says: a key the file lacks counts as the row's value for that.
float number(IniParser& parser, const keys::Setting& setting) {
    if (setting.whenMissing != 0.0f && parser.GetString(setting.key) == nullptr) {
        return setting.whenMissing;
    }
    return parser.GetFloat(setting.key);
}

bool isOn(IniParser& parser, const keys::Setting& setting) {
    return number(parser, setting) != 0.0f;
}

bool sameText(const char* a, const char* b) {
    return a == b || (a != nullptr && b != nullptr && std::strcmp(a, b) == 0);
}

} // namespace

bool operator==(const Settings& a, const Settings& b) {
    return a.statistics == b.statistics && a.height == b.height && a.width == b.width &&
           sameText(a.title, b.title) && sameText(a.input, b.input) && a.zTest == b.zTest &&
           a.frontToBack == b.frontToBack && a.start == b.start &&
           a.collisionDetection == b.collisionDetection && a.portalCulling == b.portalCulling;
}

Settings readSettings(IniParser& parser) {
    using keys::row;
    Settings settings;
    settings.statistics = isOn(parser, row("Program.Statistics"));
    settings.height = truncateToInt(number(parser, row("Program.Height")));
    settings.width = truncateToInt(number(parser, row("Program.Width")));
    settings.title = parser.GetString(row("Program.Title").key);
    settings.input = parser.GetString(row("PlugIns.Input").key);
    settings.zTest = isOn(parser, row("Rendering.Z-Test"));
    settings.frontToBack = isOn(parser, row("Rendering.FrontToBack"));
    settings.start =
        Vector3(number(parser, row("Level.StartX")), number(parser, row("Level.StartY")),
                number(parser, row("Level.StartZ")));
    settings.collisionDetection = isOn(parser, row("Rendering.CollisionDetection"));
    settings.portalCulling = isOn(parser, row("Rendering.PortalCulling"));
    return settings;
}

WindowSettings usableWindow(const char* title, int width, int height) {
    const Settings builtIn;
    return WindowSettings{title != nullptr ? title : builtIn.title,
                          width > 0 ? width : builtIn.width, height > 0 ? height : builtIn.height};
}

} // namespace trovane
