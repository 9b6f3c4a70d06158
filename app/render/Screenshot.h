// F12: the frame just drawn (back buffer, overlay included) saved as a PNG
// under screenshots/ in the working directory.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace trovane {

inline constexpr const char* kScreenshotFolder = "screenshots";

// "trovane-YYYYMMDD-HHMMSS-mmm.png" for that moment, in local time.
std::string screenshotFileName(std::chrono::system_clock::time_point when);

// Reads the back buffer of the current GL context (width x height from the
// lower left corner) and writes it to folder/screenshotFileName(now),
// creating folder when missing. The path written, or empty with the reason
// in error.
std::filesystem::path saveScreenshot(int width, int height, const std::filesystem::path& folder,
                                     std::string& error);
// The same into file, whose folder is created when missing. False, with the
// reason in error, when it cannot be written.
bool saveScreenshotAs(int width, int height, const std::filesystem::path& file, std::string& error);

} // namespace trovane
