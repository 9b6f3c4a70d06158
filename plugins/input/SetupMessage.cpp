#include "SetupMessage.h"

#include <cstdio>

namespace tactrel {

void printSetupMessage(const char* message) {
    std::fputs(message, stdout);
    // Seen at once by whoever watches the console, though no line ends.
    std::fflush(stdout);
}

} // namespace tactrel
