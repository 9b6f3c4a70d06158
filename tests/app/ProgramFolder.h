// A temporary folder made the working directory for one test, holding
// config.ini and, when asked, the station texture: what the program finds
// beside itself. The previous working directory comes back when it goes.
#pragma once

#include "app/ProgramGlobals.h"
#include "app/Startup.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <string>

namespace trovane::test {

class ProgramFolder {
public:
    ProgramFolder(const std::string& settings, bool withTexture) {
        folder_.write("config.ini", settings);
        if (withTexture) {
            std::filesystem::create_directories(folder_ / "textures");
            std::filesystem::copy_file(std::filesystem::path(TROVANE_SOURCE_DIR) / "textures" /
                                           "morvex.jpg",
                                       folder_ / "textures" / "morvex.jpg");
        }
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.path());
    }
    ~ProgramFolder() { std::filesystem::current_path(previous_); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    // Reads the settings as start-up does, from this folder's config.ini.
    static bool loadSettings() {
        globalIniParser.reset(); // before its library is loaded again
        return loadConfiguration();
    }

private:
    TempDir folder_{"trovane-app-test"};
    std::filesystem::path previous_;
};

} // namespace trovane::test
