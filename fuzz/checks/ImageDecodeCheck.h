// Drives an ImageReader the way the program does and checks that what it
// reports fits together. Shared by the fuzz target and the unit test that
// replays kept inputs.
#pragma once

#include "sdk/OutsideLibraries.h"

#include <string>
#include <string_view>

namespace trovane::fuzz {

// Decodes data (held in a buffer of exactly its size, so a read past the end
// is caught by AddressSanitizer), then reads width, height and pixels. Either
// nothing was decoded (0 x 0, no pixels, no format) or the sizes are within
// the decoder's limits and all width * height * 4 bytes can be read, every
// alpha byte 255. Returns "" or one line naming the first fault.
std::string checkImageDecode(ImageReader& reader, std::string_view data);

} // namespace trovane::fuzz
