// Where the program looks for its own files, nearest first: the working
// directory (as run from a source tree), the user's configuration, what is
// installed beside the executable (<prefix>/bin/../share/trovane), then the
// executable's own folder (a program folder kept whole, as on Windows).
#pragma once

#include <string>
#include <vector>

namespace trovane {

struct SearchPlaces {
    std::string executableDirectory; // ends in '/'; empty when unknown
    std::string configHome;          // the user's configuration folder; empty when unknown
};

// The user's configuration folder: XDG_CONFIG_HOME when it is an absolute
// path, otherwise HOME/.config; empty when neither applies. Either may be null.
std::string configHomeFrom(const char* xdgConfigHome, const char* home);

// The running executable's folder and the environment's configuration folder.
SearchPlaces currentSearchPlaces();

// config.ini: the working directory's, the user's trovane/config.ini, the
// installed one, then the executable's. Places that are unknown are left out.
std::vector<std::string> configFileCandidates(const SearchPlaces& places);

// textures/morvex.jpg: the working directory's, the installed one, then the
// executable's.
std::vector<std::string> textureFileCandidates(const SearchPlaces& places);

} // namespace trovane
