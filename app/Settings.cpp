#include "app/Settings.h"

#include "app/ConfigKeys.h"

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
    const auto isOn = [&parser](const char* key) { return parser.GetFloat(key) != 0.0f; };
    Settings settings;
    settings.statistics = isOn(keys::kProgramStatistics);
    settings.height = truncateToInt(parser.GetFloat(keys::kProgramHeight));
    settings.width = truncateToInt(parser.GetFloat(keys::kProgramWidth));
    settings.title = parser.GetString(keys::kProgramTitle);
    settings.input = parser.GetString(keys::kPlugInsInput);
    settings.zTest = isOn(keys::kRenderingZTest);
    settings.frontToBack = isOn(keys::kRenderingFrontToBack);
    settings.start =
        Vector3(parser.GetFloat(keys::kLevelStartX), parser.GetFloat(keys::kLevelStartY),
                parser.GetFloat(keys::kLevelStartZ));
    settings.collisionDetection = isOn(keys::kRenderingCollisionDetection);
    // Culling leaves the picture as it is, so a file written before it existed keeps it on.
    settings.portalCulling = parser.GetString(keys::kRenderingPortalCulling) == nullptr ||
                             isOn(keys::kRenderingPortalCulling);
    return settings;
}

WindowSettings usableWindow(const char* title, int width, int height) {
    const Settings builtIn;
    return WindowSettings{title != nullptr ? title : builtIn.title,
                          width > 0 ? width : builtIn.width, height > 0 ? height : builtIn.height};
}

} // namespace trovane
