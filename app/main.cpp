// Entry point of Trovane: key reference, settings, then the application.
#include "app/Application.h"
#include "app/KeyReference.h"
#include "app/ProgramGlobals.h"
#include "app/Startup.h"

#include <cstring>

int main(int argc, char* argv[]) {
    trovane::printKeyReference();
    if (!trovane::loadConfiguration()) {
        return 1;
    }
    // Constructing the application generates the station.
    trovane::Application application;
    const trovane::ProgramSettings settings =
        trovane::readProgramSettings(*trovane::globalIniParser);
    application.showStatistics = settings.showStatistics;
    // The window always opens framed. Without a display or a GL context
    // there is nothing to run: Init has said why.
    if (!application.Init(settings.title, false, settings.width, settings.height)) {
        return 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "-demo") == 0) {
        application.demoMode = true;
    }
    // The application is destroyed before its result is returned.
    return application.RunMessageLoop();
}
