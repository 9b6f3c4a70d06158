// Entry point of Trovane: command line, key reference, settings, then the application.
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/KeyReference.h"
#include "app/ProgramGlobals.h"
#include "app/ScreensaverStart.h"
#include "app/Startup.h"
#include "platform/window/Window.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[]) {
    // Under a Windows screensaver's name the arguments are Windows' own.
    const trovane::ScreensaverStart saver = trovane::startAsScreensaver(argc, argv);
    if (saver.finished) {
        return saver.exitCode;
    }
    trovane::CommandLine commandLine;
    if (saver.active) {
        commandLine.demo = true;
    } else {
        commandLine = trovane::parseCommandLine(argc, argv);
        trovane::useScreensaverWindowVariable(commandLine, std::getenv("XSCREENSAVER_WINDOW"));
    }
    if (commandLine.help) {
        trovane::printUsage(std::cout);
        return 0;
    }
    if (commandLine.version) {
        std::cout << trovane::versionLine() << '\n';
        return 0;
    }
    if (!commandLine.error.empty()) {
        std::cerr << commandLine.error << '\n';
        return 2;
    }
    trovane::warnUnknownArguments(commandLine, std::cerr);
    // In screensaver mode the window must exist before anything is made.
    std::uint64_t hostWindow = saver.hostWindow;
    if (commandLine.screensaver.chosen() && !commandLine.timedemo) {
        std::string error;
        const std::optional<std::uint64_t> found = trovane::platform::findHostWindow(
            commandLine.screensaver.root, commandLine.screensaver.windowId, error);
        if (!found) {
            std::cerr << "Trovane: " << error << '\n';
            return 2;
        }
        hostWindow = *found;
    }
    // A timedemo takes no keys; its report is what standard output is for.
    if (!commandLine.timedemo && hostWindow == 0 && !saver.active) {
        trovane::printKeyReference();
    }
    if (!trovane::loadConfiguration()) {
        return 1;
    }
    // Constructing the application generates the station. A JSON report is
    // all standard output holds; the generator's dots still show, on the
    // console's other stream.
    const bool jsonReport = commandLine.timedemo && commandLine.json;
    // A screensaver has no console to show progress in.
    trovane::Application application(saver.active ? nullptr : jsonReport ? stderr : stdout);
    const trovane::Settings& settings = trovane::programSettings;
    application.showStatistics = settings.statistics && !commandLine.timedemo && !saver.active;
    if (application.showStatistics && !settings.file.empty()) {
        std::cout << "Settings read from " << settings.file << '\n';
    }
    application.chooseStation(commandLine.station);
    // The window always opens framed. Without a display or a GL context
    // there is nothing to run: Init has said why.
    application.hostWindow = hostWindow;
    application.endsOnInput = saver.fullScreen;
    if (!application.Init(settings.title, saver.fullScreen, settings.width, settings.height)) {
        return 1;
    }
    if (commandLine.station > 1) {
        application.position = application.StartRoomCentre();
    }
    if (commandLine.timedemo) {
        return application.runTimedemo(commandLine.timedemoSeconds, commandLine.json,
                                       commandLine.shots);
    }
    application.demoMode = commandLine.demo || hostWindow != 0;
    // The application is destroyed before its result is returned.
    return application.RunMessageLoop();
}
