// Axis-aligned box; centre is always (min + max) / 2.
#pragma once

#include "math/Vector3.h"

namespace trovane {

struct BoundingBox {
    Vector3 min;
    Vector3 max;
    Vector3 centre;

    // The box of the single point p (min = max = centre = p); the default is the origin.
    constexpr BoundingBox() = default;
    constexpr explicit BoundingBox(Vector3 p) : min(p), max(p), centre(p) {}

    // Grows the box to include p and recomputes the centre.
    void extend(Vector3 p);
};

} // namespace trovane
