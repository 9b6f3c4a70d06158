// Drives an IniParser the way the program does and compares every answer with
// a plain reading of the settings-file rules written out a second time here.
// Shared by the fuzz target and the unit test that replays kept inputs.
#pragma once

#include "sdk/IniParser.h"

#include <string>
#include <string_view>

namespace trovane::fuzz {

// Parses data once, as the program does (text ending in a NUL, length = size),
// then looks up the program's keys, every stored name and names cut from the
// data, in several spellings. Returns "" when all answers agree with the
// rules, otherwise one line naming the first disagreement.
std::string checkSettingsText(IniParser& parser, std::string_view data);

} // namespace trovane::fuzz
