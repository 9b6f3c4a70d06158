// Where a library name given the desktop way ("Lexmoor.dll") is found here.
#pragma once

#include <string>
#include <string_view>

namespace trovane::platform {

// "X.dll" (any letter case of ".dll") becomes "X.so"; other names stay as given.
std::string moduleFileName(std::string_view name);

// Folder of the running executable, ending in '/'; empty when it cannot be read.
std::string executableDirectory();

// The path to hand to the loader: for a ".dll" name without a folder, the module
// beside the executable when that file exists, else the one in ../lib/trovane/
// relative to it (an installed program); otherwise the module file name, which
// the loader's normal search resolves.
std::string locateModule(std::string_view name);

// The same search from the given executable folder (ending in '/', or empty).
std::string locateModule(std::string_view name, const std::string& executableFolder);

} // namespace trovane::platform
