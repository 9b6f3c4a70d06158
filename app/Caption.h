// The frame-rate caption: the title, a blank and "(N fps)".
#pragma once

#include <cstddef>

namespace trovane {

// Room for the caption text with its terminator.
inline constexpr std::size_t kCaptionCapacity = 128;

// Writes "<title> (<fps> fps)" with fps rounded to a whole number. A title
// too long for the buffer is cut at a character boundary (UTF-8 sequences
// stay whole) so that the " (N fps)" part always shows complete. capacity
// must hold at least the " (N fps)" part.
void formatCaption(char* buffer, std::size_t capacity, const char* title, double framesPerSecond);

} // namespace trovane
