// The font file behind a family name, for the SDL backend, which draws glyphs
// from files; the Win32 one takes the system font by handle.
#pragma once

#include <string>

namespace trovane::platform {

// The file fontconfig chooses for a family (the closest font when none has
// that name), or "" when none; faceIndex, when given, gets the face in it.
std::string findFontFile(const char* family, int* faceIndex);

} // namespace trovane::platform
