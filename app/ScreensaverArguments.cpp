#include "app/ScreensaverArguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace trovane {
namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// A window handle as Windows writes it on the command line: decimal digits
// only, nonzero, and within the 64 bits a handle has.
bool readWindow(std::string_view text, std::uint64_t& window) {
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return false;
    }
    const char* end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, window);
    return status == std::errc() && stop == end && window != 0;
}

} // namespace

bool isScreensaverFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    constexpr std::string_view kSuffix = ".scr";
    return name.size() > kSuffix.size() &&
           std::equal(kSuffix.begin(), kSuffix.end(), name.end() - kSuffix.size(),
                      [](char wanted, char given) { return wanted == lower(given); });
}

ScreensaverArguments parseScreensaverArguments(int argc, const char* const argv[]) {
    ScreensaverArguments result;
    if (argc < 1) {
        return result; // no argument: the settings
    }
    const std::string_view first = argv[0] != nullptr ? argv[0] : "";
    // "/x", "/x:value" or "/x value"; the letter decides.
    const bool switchLike = first.size() >= 2 && (first[0] == '/' || first[0] == '-') &&
                            (first.size() == 2 || first[2] == ':');
    const char letter = switchLike ? lower(first[1]) : '\0';
    if (letter != 's' && letter != 'p' && letter != 'c') {
        result.error = "unknown screensaver argument \"" + std::string(first) +
                       "\" (expected /s, /p HWND or /c)";
        return result;
    }
    int used = 1;
    std::string_view value;
    bool hasValue = false;
    if (first.size() > 2) {
        value = first.substr(3);
        hasValue = true;
    } else if (letter != 's' && argc > 1 && argv[1] != nullptr) {
        value = argv[1];
        hasValue = true;
        used = 2;
    }
    if (letter == 's' && hasValue) {
        result.error = "/s takes no value: \"" + std::string(first) + "\"";
        return result;
    }
    if (letter == 'p' && !hasValue) {
        result.error = "/p needs the handle of the preview's window";
        return result;
    }
    if (hasValue && !readWindow(value, result.window)) {
        result.error = "not a window handle: \"" + std::string(value) + "\"";
        result.window = 0;
        return result;
    }
    if (argc > used) {
        result.error = "unexpected screensaver argument \"" +
                       std::string(argv[used] != nullptr ? argv[used] : "") + "\"";
        result.window = 0;
        return result;
    }
    result.mode = letter == 's'   ? ScreensaverArguments::Mode::FullScreen
                  : letter == 'p' ? ScreensaverArguments::Mode::Preview
                                  : ScreensaverArguments::Mode::Settings;
    return result;
}

} // namespace trovane
