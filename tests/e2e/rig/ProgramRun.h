// A program (Trovane unless told) started from a prepared directory on a virtual X server: the
// directory holds config.ini, textures/ and a copy of the executable with
// links to the modules beside it (a module can be left out), so the program
// finds exactly what the test gave it.
#pragma once

#include "Rig.h"
#include "XDisplay.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// The settings written to config.ini; an empty value leaves the key out.
struct Settings {
    std::string title = "Trovane";
    std::string width = "800";
    std::string height = "600";
    std::string statistics = "1";
    std::string input = "Tactrel.dll";
    std::string zTest = "1";
    std::string frontToBack = "0";
    std::string collisionDetection = "1";
    std::string portalCulling;
    std::string startX = "0.5";
    std::string startY = "0.5";
    std::string startZ = "0.5";

    std::string text() const;
};

struct ProgramSetup {
    std::string executable = "Trovane";            // copied from the build's bin folder
    std::optional<Settings> settings = Settings{}; // none: no config.ini
    bool texture = true;                           // textures/morvex.jpg from the sources
    std::optional<std::string> textureBytes;       // written as textures/morvex.jpg instead
    std::vector<std::string> leaveOut;             // modules not linked, e.g. "Tactrel"
    std::vector<std::string> arguments;            // e.g. "-demo"
    std::map<std::string, std::string> environment;
    std::vector<std::string> unsetEnvironment; // e.g. "SDL_VIDEODRIVER"
    // Another build's program: the folder its executable and modules come
    // from, their modules' extension, and what runs it (e.g. Wine).
    std::optional<std::filesystem::path> binaryDir;
    std::string moduleExtension = ".so";
    std::vector<std::string> launcher;
    // A folder (UTF-8 name) of the run's directory that holds the program and
    // its files; the program still starts in the run's directory, so it
    // finds them only beside itself. Empty: the run's directory itself.
    std::string programFolder;
};

class ProgramRun {
public:
    // display empty: DISPLAY is removed from the program's environment.
    ProgramRun(const std::string& display, const ProgramSetup& setup);

    ChildProcess& process() { return *process_; }
    const TempDir& directory() const { return dir_; }
    std::string out() const;
    std::string err() const;

private:
    TempDir dir_;
    std::unique_ptr<ChildProcess> process_;
};

// Whether a line of text (a program's output) matches line as a whole; a
// line's carriage return, as Windows programs end lines, is not part of it.
bool hasLineMatching(const std::string& text, const std::regex& line);

// Copies png to the folder named by TROVANE_E2E_ARTEFACTS, when set, under name.
void keepArtefact(const std::filesystem::path& png, const std::string& name);

} // namespace e2e
