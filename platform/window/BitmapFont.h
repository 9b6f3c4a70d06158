// Glyphs of a system font as OpenGL bitmap display lists, one list per
// 8-bit character, for text drawn at the raster position.
#pragma once

#include <string>

namespace trovane::platform {

struct FontRequest {
    // Windows draws its stock system font and ignores these. Elsewhere asked
    // for by name so that the same glyphs are drawn on every machine
    // that has the family; the closest installed font stands in otherwise.
    const char* family = "DejaVu Sans Mono";
    int pixelHeight = 14;
};

// Builds the glyph of character c (first <= c < first + count, bytes in the
// Windows-1252 character set) into the display list listBase + (c - first);
// each list draws its glyph and moves the raster position on by its advance.
// Control characters get empty lists. Needs a current GL context and lists
// already reserved. False with error set when no font could be loaded; the
// lists are then left untouched.
bool buildBitmapFont(unsigned listBase, unsigned first, unsigned count, const FontRequest& request,
                     std::string& error);

} // namespace trovane::platform
