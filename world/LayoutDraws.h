// How the station generator turns its random values into layout choices;
// fixed so that the same sequence always gives the same station.
#pragma once

#include <cstdint>

namespace trovane {

// How one value of the station generator (0..32767) becomes one choice of the layout.

// Whether a cell becomes a room: r = value / 32767 below 0.4, i.e. a value of at most 13106.
bool roomFromValue(std::uint32_t value);

// A coordinate 0..6: value times the float nearest to 7 / 32767, truncated.
int coordinateFromValue(std::uint32_t value);

// A face 0..4 (x = 0, y = 0, z = 0, x = 7, y = 7): value times the float nearest to 5 / 32767,
// truncated.
int faceFromValue(std::uint32_t value);

} // namespace trovane
