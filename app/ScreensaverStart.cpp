#include "app/ScreensaverStart.h"

#include "app/ScreensaverArguments.h"
#include "app/host/DataFiles.h"
#include "platform/file/OpenFile.h"
#include "platform/window/Screensaver.h"

#include <cstdio>
#include <string>
#include <vector>

namespace trovane {
namespace {

ScreensaverStart finish(int code) {
    ScreensaverStart start;
    start.finished = true;
    start.exitCode = code;
    return start;
}

// The first settings file that opens, as the start-up reads it; empty when none.
std::string settingsFile(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates) {
        if (std::FILE* file = platform::openFile(candidate.c_str(), "rb")) {
            std::fclose(file);
            return candidate;
        }
    }
    return {};
}

int showSettingsFile() {
    const std::vector<std::string> candidates = configFileCandidates(currentSearchPlaces());
    const std::string file = settingsFile(candidates);
    if (file.empty()) {
        // The program's own folder is where the zip keeps it.
        std::fprintf(stderr, "Trovane: no settings file; it is read from %s\n",
                     candidates.empty() ? "config.ini" : candidates.back().c_str());
        return 1;
    }
    std::string error;
    if (!platform::openInEditor(file, error)) {
        std::fprintf(stderr, "Trovane: the settings are in %s (%s)\n", file.c_str(), error.c_str());
        return 1;
    }
    return 0;
}

} // namespace

ScreensaverStart startAsScreensaver(int argc, const char* const argv[]) {
    std::string self = platform::programFile();
    if (self.empty() && argc > 0 && argv[0] != nullptr) {
        self = argv[0];
    }
    if (!isScreensaverFileName(self)) {
        return {};
    }
    const ScreensaverArguments arguments = parseScreensaverArguments(argc - 1, argv + 1);
    if (!arguments.error.empty()) {
        std::fprintf(stderr, "Trovane: %s\n", arguments.error.c_str());
        return finish(2);
    }
    ScreensaverStart start;
    switch (arguments.mode) {
    case ScreensaverArguments::Mode::Settings:
        return finish(showSettingsFile());
    case ScreensaverArguments::Mode::FullScreen:
        if (!platform::claimScreensaverRun()) {
            return finish(0); // one is already running
        }
        start.fullScreen = true;
        break;
    case ScreensaverArguments::Mode::Preview: {
        std::string error;
        const std::optional<std::uint64_t> parent =
            platform::findPreviewParent(arguments.window, error);
        if (!parent) {
            std::fprintf(stderr, "Trovane: %s\n", error.c_str());
            return finish(2);
        }
        start.hostWindow = *parent;
        break;
    }
    }
    start.active = true;
    platform::leaveOwnConsole();
    return start;
}

} // namespace trovane
