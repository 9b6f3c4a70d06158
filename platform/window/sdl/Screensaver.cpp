#include "platform/window/Screensaver.h"

namespace trovane::platform {

// Screensaver arguments are Windows' own; X screensavers hand a window over
// through --window-id instead.
std::string programFile() {
    return {};
}

std::optional<std::uint64_t> findPreviewParent(std::uint64_t, std::string& error) {
    error = "a screensaver preview needs Windows (X screensavers use --window-id)";
    return std::nullopt;
}

bool claimScreensaverRun() {
    return true;
}

void leaveOwnConsole() {}

bool openInEditor(const std::string&, std::string& error) {
    error = "no editor is opened on this system";
    return false;
}

} // namespace trovane::platform
