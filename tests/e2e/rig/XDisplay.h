// Drives windows on one X display through xdotool and ImageMagick, every
// step bounded in time. There is no window manager: focus is given directly
// and keys are held (down, a pause, up) so that polled input sees them.
#pragma once

#include "Image.h"
#include "Rig.h"

#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace e2e {

struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class XDisplay {
public:
    explicit XDisplay(std::string display) : display_(std::move(display)) {}

    const std::string& name() const { return display_; }

    // The first visible window of process pid, waiting up to timeout.
    std::optional<std::string> waitForWindow(pid_t pid, Milliseconds timeout) const;
    // The first visible window whose name is name, waiting up to timeout.
    std::optional<std::string> waitForWindowNamed(const std::string& name,
                                                  Milliseconds timeout) const;
    bool focus(const std::string& window) const;

    // Key names as xdotool knows them: "space", "Escape", "F5", "Up", "a".
    void holdKey(const std::string& key, Milliseconds hold = Milliseconds(150)) const;
    void holdButton(int button, Milliseconds hold = Milliseconds(150)) const;
    // One wheel notch: button 4 turns away from the user, 5 toward.
    void clickButton(int button) const;
    void moveMouseBy(int dx, int dy) const;
    void moveMouseTo(int x, int y) const;
    // Where the pointer is on the screen.
    std::optional<std::pair<int, int>> mouseLocation() const;
    // Makes layout ("fr", "de", "us") the keyboard layout of the display.
    bool setKeyboardLayout(const std::string& layout) const;

    std::string windowName(const std::string& window) const;
    // The window's name once it matches pattern within timeout.
    std::optional<std::string> waitForName(const std::string& window, const std::regex& pattern,
                                           Milliseconds timeout) const;
    std::optional<WindowGeometry> geometry(const std::string& window) const;
    // Waits until the geometry satisfies test (window changes arrive later).
    template <typename Test>
    std::optional<WindowGeometry> waitForGeometry(const std::string& window, Test test,
                                                  Milliseconds timeout) const {
        auto deadline = std::chrono::steady_clock::now() + timeout;
        std::optional<WindowGeometry> last;
        do {
            last = geometry(window);
            if (last && test(*last)) {
                return last;
            }
            sleepFor(Milliseconds(100));
        } while (std::chrono::steady_clock::now() < deadline);
        return last;
    }

    // The whole screen (or one window's own picture), kept as png (for
    // looking at) and read back.
    std::optional<Image> screenshot(const std::filesystem::path& png,
                                    const std::string& window = "root") const;
    // The first window without a name, at any depth, of exactly this size.
    std::optional<std::string> waitForUnnamedWindow(int width, int height,
                                                    Milliseconds timeout) const;

    // Asks the window to close the way a window manager's close box does
    // (WM_DELETE_WINDOW), which xdotool cannot do.
    bool requestClose(const std::string& window) const;

private:
    ProcessResult run(const std::vector<std::string>& argv,
                      Milliseconds timeout = Milliseconds(10000)) const;
    std::optional<std::string> search(const std::vector<std::string>& criteria,
                                      Milliseconds timeout) const;

    std::string display_;
};

} // namespace e2e
