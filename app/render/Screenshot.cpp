#include "app/render/Screenshot.h"

#include "platform/file/OpenFile.h"
#include "platform/image/PngFile.h"

#include <GL/gl.h>

#include <cstdio>
#include <ctime>
#include <system_error>

namespace trovane {

std::string screenshotFileName(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() %
        1000;
    // Only the main thread names screenshots, so the shared result is safe.
    std::tm local{};
    if (const std::tm* converted = std::localtime(&seconds)) {
        local = *converted;
    }
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    char name[64];
    std::snprintf(name, sizeof name, "trovane-%s-%03d.png", stamp,
                  static_cast<int>(milliseconds < 0 ? milliseconds + 1000 : milliseconds));
    return name;
}

bool saveScreenshotAs(int width, int height, const std::filesystem::path& file,
                      std::string& error) {
    if (width <= 0 || height <= 0) {
        error = "the window has no area";
        return false;
    }
    platform::RgbPicture picture;
    picture.width = width;
    picture.height = height;
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> bottomUp(stride * static_cast<std::size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    // GL's rows run from the bottom, a picture's from the top.
    picture.pixels.resize(bottomUp.size());
    for (int row = 0; row < height; ++row) {
        const auto from =
            bottomUp.begin() +
            static_cast<std::ptrdiff_t>(stride * static_cast<std::size_t>(height - 1 - row));
        std::copy(from, from + static_cast<std::ptrdiff_t>(stride),
                  picture.pixels.begin() +
                      static_cast<std::ptrdiff_t>(stride * static_cast<std::size_t>(row)));
    }
    const std::filesystem::path folder = file.parent_path();
    std::error_code made;
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, made);
    }
    if (made) {
        error = platform::utf8Of(folder) + ": " + made.message();
        return false;
    }
    return platform::writePng(file, picture, error);
}

std::filesystem::path saveScreenshot(int width, int height, const std::filesystem::path& folder,
                                     std::string& error) {
    std::filesystem::path file = folder / screenshotFileName(std::chrono::system_clock::now());
    if (!saveScreenshotAs(width, height, file, error)) {
        return {};
    }
    return file;
}

} // namespace trovane
