// Entry point of Trovane: key reference and settings; the window comes next.
#include "app/KeyReference.h"
#include "app/ProgramGlobals.h"
#include "app/Startup.h"

int main() {
    trovane::printKeyReference();
    if (!trovane::loadConfiguration()) {
        return 1;
    }
    const trovane::ProgramSettings settings =
        trovane::readProgramSettings(*trovane::globalIniParser);
    (void)settings;
    return 0;
}
