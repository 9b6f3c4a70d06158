// A program (Trovane unless told) started from a prepared directory on a virtual X server: the
// directory holds config.ini, textures/ and a copy of the executable with
// links to the modules beside it (a module can be left out), so the program
// finds exactly what the test gave it.
#pragma once

#include "Rig.h"
#include "XDisplay.h"
#include "app/ConfigKeys.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace e2e {

namespace keys = trovane::keys;

// The settings written to config.ini, one per row of the program's table: its
// built-in values, except that the camera starts in the corner cell's centre
// (0.5, 0.5, 0.5) and portal culling is left out. An empty value leaves the
// key out.
class Settings {
public:
    Settings();

    // The value of a key of the table, e.g. "Level.StartZ".
    std::string& operator[](std::string_view key);
    const std::string& operator[](std::string_view key) const;

    std::string text() const;

private:
    std::vector<std::pair<std::string_view, std::string>> values_;
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
