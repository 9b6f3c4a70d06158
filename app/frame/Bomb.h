// A thrown bomb: flies at a fixed speed, bounces off walls (reflecting) or
// stops at the first one (sticky).
#pragma once

#include "math/Vector3.h"

namespace trovane {

struct Bomb {
    Vector3 position;  // current position in world units
    Vector3 direction; // unit direction of flight
    float life = 0.0f; // distance it may still travel; 0 means stopped
    bool reflecting = false;
};

} // namespace trovane
