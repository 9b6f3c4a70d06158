// What window creation uses when the settings give no usable title or size:
// a missing Program.Title, or a Program.Width / Program.Height of zero or less.
#pragma once

namespace trovane {

inline constexpr const char* kDefaultTitle = "Trovane";
inline constexpr int kDefaultWidth = 800;
inline constexpr int kDefaultHeight = 600;

// The one place where the defaults above replace unusable settings.
struct WindowSettings {
    const char* title;
    int width;
    int height;
};

constexpr WindowSettings withWindowDefaults(const char* title, int width, int height) {
    return WindowSettings{title != nullptr ? title : kDefaultTitle,
                          width > 0 ? width : kDefaultWidth, height > 0 ? height : kDefaultHeight};
}

} // namespace trovane
