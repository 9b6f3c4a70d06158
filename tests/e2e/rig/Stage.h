// A stage for one run: its own virtual X server with Trovane (or the given
// program) on it, up to its visible window.
// Everything it started is stopped and removed when the stage goes.
#pragma once

#include "ProgramRun.h"
#include "XDisplay.h"

#include <optional>
#include <string>

namespace e2e {

// Generous limits: under load a start can take several seconds.
inline constexpr Milliseconds kWindowLimit{30000};
inline constexpr Milliseconds kExitLimit{15000};

class Stage {
public:
    explicit Stage(const ProgramSetup& setup = ProgramSetup{});

    // The program's window, focused; empty when none appeared in time.
    const std::optional<std::string>& window() const { return window_; }
    XDisplay& x() { return x_; }
    ProgramRun& program() { return run_; }

    // A screenshot of the whole screen, also kept under name when asked
    // (TROVANE_E2E_ARTEFACTS).
    std::optional<Image> screenshot(const std::string& name);
    // The exit status once the program has ended.
    std::optional<int> waitExit(Milliseconds timeout = kExitLimit);

private:
    XvfbServer xvfb_;
    XDisplay x_;
    ProgramRun run_;
    std::optional<std::string> window_;
};

} // namespace e2e
