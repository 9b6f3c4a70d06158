// Where a library name given the desktop way ("Lexmoor.dll") is found. On
// Windows the name is used as it stands and the system's search finds it.
#pragma once

#include <string>
#include <string_view>

namespace trovane::platform {

// On Linux "X.dll" (any letter case of ".dll") becomes "X.so"; other names,
// and every name on Windows, stay as given.
std::string moduleFileName(std::string_view name);

// Folder of the running executable, ending in its separator; empty when it
// cannot be read.
std::string executableDirectory();

// The folder part of path up to and with its last separator (any of separators);
// empty when it has none.
std::string folderOf(std::string path, const char* separators);

// The path to hand to the loader: for a ".dll" name without a folder, the module
// beside the executable when that file exists, else the one in ../lib/trovane/
// relative to it (an installed program); otherwise the module file name, which
// the loader's normal search resolves.
std::string locateModule(std::string_view name);

// The same search from the given executable folder (ending in '/', or empty).
std::string locateModule(std::string_view name, const std::string& executableFolder);

} // namespace trovane::platform
