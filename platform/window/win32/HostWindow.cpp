#include "platform/window/Window.h"

namespace trovane::platform {

// X windows exist only on the X backend.
std::optional<std::uint64_t> findHostWindow(bool, std::uint64_t, std::string& error) {
    error = "--root and --window-id need an X display";
    return std::nullopt;
}

} // namespace trovane::platform
