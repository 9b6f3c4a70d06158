// What running as a Windows screensaver asks of the system: the preview's
// parent window, one full-screen run at a time, no console window of its own,
// and the settings file shown in an editor. Elsewhere each says it cannot.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace trovane::platform {

// The program's own file, in UTF-8; empty where the system cannot say.
std::string programFile();

// The window numbered id, to draw a preview inside; empty with error set when
// there is no such window.
std::optional<std::uint64_t> findPreviewParent(std::uint64_t id, std::string& error);

// Claims the one full-screen screensaver run of the session for the rest of
// the process; false when another process holds it.
bool claimScreensaverRun();

// Lets go of a console that the system opened for this program alone, so a
// screensaver shows no console window; a console shared with a shell stays.
void leaveOwnConsole();

// Opens the file (UTF-8) in the system's editor for it; false with error set
// when none opens.
bool openInEditor(const std::string& file, std::string& error);

} // namespace trovane::platform
