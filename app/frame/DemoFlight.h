// The scripted flight of the demo mode: a circle of radius 8 around the
// station's middle, one turn every 10 pi seconds of unpaused time, with the
// heading swinging out by up to 100 degrees half way and the view nodding by
// up to 0.5 radians.
#pragma once

#include "math/Matrix4.h"
#include "math/Vector3.h"

namespace trovane {

// The demo's angle along its circle at clock time seconds, wrapped into
// one turn (0 to 2 pi).
float demoAngle(double seconds);

// Sets position's x and z for the clock time (y is kept) and turns
// orientation further: first by the heading about +Y, then by the nod
// about +X.
void flyDemo(double seconds, Vector3& position, Matrix4& orientation);

} // namespace trovane
