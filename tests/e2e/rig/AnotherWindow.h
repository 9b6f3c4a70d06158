// A small window of another program (xmessage) at the screen's top left,
// for tests of what happens while it, not Trovane, has the focus. It goes
// away with the object.
#pragma once

#include "Rig.h"
#include "XDisplay.h"

#include <memory>
#include <optional>
#include <string>

namespace e2e {

class AnotherWindow {
public:
    explicit AnotherWindow(const XDisplay& x) {
        LaunchOptions options;
        options.argv = {"xmessage", "-title", "Another", "-geometry", "+0+0", "another window"};
        options.environment = {{"DISPLAY", x.name()}};
        process_ = std::make_unique<ChildProcess>(options);
        window_ = x.waitForWindowNamed("Another", Milliseconds(10000));
    }

    // Its X window; empty when it did not appear in time.
    const std::optional<std::string>& window() const { return window_; }

private:
    std::unique_ptr<ChildProcess> process_;
    std::optional<std::string> window_;
};

} // namespace e2e
