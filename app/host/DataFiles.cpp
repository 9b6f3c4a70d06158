#include "app/host/DataFiles.h"

#include "app/host/LibraryNames.h"
#include "platform/file/OpenFile.h"
#include "platform/module/ModuleSearch.h"

#include <cstdlib>
#include <filesystem>

namespace trovane {

namespace {

constexpr const char* kInstalledData = "../share/trovane/";

// Shown in messages, so "/usr/bin/../share" reads as "/usr/share".
std::string installed(const SearchPlaces& places, const char* file) {
    if (places.executableDirectory.empty()) {
        return {};
    }
    const std::filesystem::path path =
        platform::pathFromUtf8(places.executableDirectory + kInstalledData + file);
    return platform::utf8Of(path.lexically_normal());
}

// The executable's own folder: a program folder kept whole, as the Windows
// zip unpacks, is found from any working directory.
std::string besideExecutable(const SearchPlaces& places, const char* file) {
    return places.executableDirectory.empty() ? std::string() : places.executableDirectory + file;
}

void addKnown(std::vector<std::string>& candidates, std::string path) {
    if (!path.empty()) {
        candidates.push_back(std::move(path));
    }
}

} // namespace

std::string configHomeFrom(const char* xdgConfigHome, const char* home) {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
        return xdgConfigHome;
    }
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.config";
    }
    return {};
}

SearchPlaces currentSearchPlaces() {
    return {platform::executableDirectory(),
            configHomeFrom(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"))};
}

std::vector<std::string> configFileCandidates(const SearchPlaces& places) {
    std::vector<std::string> candidates{kConfigFile};
    if (!places.configHome.empty()) {
        candidates.push_back(places.configHome + "/trovane/" + kConfigFile);
    }
    addKnown(candidates, installed(places, kConfigFile));
    addKnown(candidates, besideExecutable(places, kConfigFile));
    return candidates;
}

std::vector<std::string> textureFileCandidates(const SearchPlaces& places) {
    std::vector<std::string> candidates{kStationTextureFile};
    addKnown(candidates, installed(places, kStationTextureFile));
    addKnown(candidates, besideExecutable(places, kStationTextureFile));
    return candidates;
}

} // namespace trovane
