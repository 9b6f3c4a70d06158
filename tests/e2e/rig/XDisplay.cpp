#include "XDisplay.h"

#include <algorithm>
#include <sstream>

#ifndef E2E_CLOSE_TOOL
#error "E2E_CLOSE_TOOL must name the close-request tool"
#endif

namespace e2e {
namespace {

std::string firstLine(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    return line;
}

std::optional<int> field(const std::string& shell, const std::string& name) {
    std::istringstream in(shell);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(name + "=", 0) == 0) {
            return std::stoi(line.substr(name.size() + 1));
        }
    }
    return std::nullopt;
}

} // namespace

ProcessResult XDisplay::run(const std::vector<std::string>& argv, Milliseconds timeout) const {
    LaunchOptions options;
    options.argv = argv;
    options.environment["DISPLAY"] = display_;
    return runProcess(std::move(options), timeout);
}

std::optional<std::string> XDisplay::waitForWindow(pid_t pid, Milliseconds timeout) const {
    return search({"--pid", std::to_string(pid)}, timeout);
}

std::optional<std::string> XDisplay::waitForWindowNamed(const std::string& name,
                                                        Milliseconds timeout) const {
    return search({"--name", "^" + name + "$"}, timeout);
}

std::optional<std::string> XDisplay::search(const std::vector<std::string>& criteria,
                                            Milliseconds timeout) const {
    // A window that goes away while xdotool walks the tree ends the search
    // with an X error (Wine makes and drops helper windows as it starts), so
    // a failed search is tried again until the time is up.
    auto deadline = std::chrono::steady_clock::now() + timeout;
    std::vector<std::string> argv = {"xdotool", "search", "--sync", "--onlyvisible"};
    argv.insert(argv.end(), criteria.begin(), criteria.end());
    do {
        auto left =
            std::chrono::duration_cast<Milliseconds>(deadline - std::chrono::steady_clock::now());
        ProcessResult found = run(argv, std::max(left, Milliseconds(1)));
        if (found.succeeded() && !found.out.empty()) {
            return firstLine(found.out);
        }
        sleepFor(Milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

bool XDisplay::focus(const std::string& window) const {
    ProcessResult result = run({"xdotool", "windowfocus", "--sync", window});
    return result.succeeded();
}

void XDisplay::holdKey(const std::string& key, Milliseconds hold) const {
    run({"xdotool", "keydown", key});
    sleepFor(hold);
    run({"xdotool", "keyup", key});
}

void XDisplay::holdButton(int button, Milliseconds hold) const {
    run({"xdotool", "mousedown", std::to_string(button)});
    sleepFor(hold);
    run({"xdotool", "mouseup", std::to_string(button)});
}

void XDisplay::clickButton(int button) const {
    run({"xdotool", "click", std::to_string(button)});
}

void XDisplay::moveMouseBy(int dx, int dy) const {
    run({"xdotool", "mousemove_relative", "--", std::to_string(dx), std::to_string(dy)});
}

void XDisplay::moveMouseTo(int x, int y) const {
    run({"xdotool", "mousemove", std::to_string(x), std::to_string(y)});
}

std::optional<std::pair<int, int>> XDisplay::mouseLocation() const {
    ProcessResult result = run({"xdotool", "getmouselocation", "--shell"});
    auto x = field(result.out, "X");
    auto y = field(result.out, "Y");
    if (!result.succeeded() || !x || !y) {
        return std::nullopt;
    }
    return std::make_pair(*x, *y);
}

bool XDisplay::setKeyboardLayout(const std::string& layout) const {
    return run({"setxkbmap", layout}).succeeded();
}

std::string XDisplay::windowName(const std::string& window) const {
    ProcessResult result = run({"xdotool", "getwindowname", window});
    return firstLine(result.out);
}

std::optional<std::string> XDisplay::waitForName(const std::string& window,
                                                 const std::regex& pattern,
                                                 Milliseconds timeout) const {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        std::string name = windowName(window);
        if (std::regex_match(name, pattern)) {
            return name;
        }
        sleepFor(Milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

std::optional<WindowGeometry> XDisplay::geometry(const std::string& window) const {
    ProcessResult result = run({"xdotool", "getwindowgeometry", "--shell", window});
    auto x = field(result.out, "X");
    auto y = field(result.out, "Y");
    auto width = field(result.out, "WIDTH");
    auto height = field(result.out, "HEIGHT");
    if (!result.succeeded() || !x || !y || !width || !height) {
        return std::nullopt;
    }
    return WindowGeometry{*x, *y, *width, *height};
}

std::optional<Image> XDisplay::screenshot(const std::filesystem::path& png,
                                          const std::string& window) const {
    ProcessResult shot = run({"import", "-window", window, "png:" + png.string()});
    if (!shot.succeeded()) {
        return std::nullopt;
    }
    std::filesystem::path ppm = png;
    ppm.replace_extension(".ppm");
    ProcessResult converted = run({"convert", png.string(), "-depth", "8", "ppm:" + ppm.string()});
    if (!converted.succeeded()) {
        return std::nullopt;
    }
    return Image::readPpm(ppm);
}

std::optional<std::string> XDisplay::waitForUnnamedWindow(int width, int height,
                                                          Milliseconds timeout) const {
    // xwininfo's tree has one line per window: "0x800021 (has no name): ()  320x240+0+0 ...".
    const std::string size = " " + std::to_string(width) + "x" + std::to_string(height) + "+";
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        std::istringstream tree(run({"xwininfo", "-root", "-tree"}).out);
        for (std::string line; std::getline(tree, line);) {
            if (line.find("(has no name)") != std::string::npos &&
                line.find(size) != std::string::npos) {
                std::istringstream words(line);
                std::string id;
                words >> id;
                return id;
            }
        }
        sleepFor(Milliseconds(200));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

bool XDisplay::requestClose(const std::string& window) const {
    ProcessResult result = run({E2E_CLOSE_TOOL, window});
    return result.succeeded();
}

} // namespace e2e
