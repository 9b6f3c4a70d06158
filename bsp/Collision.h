// Segment queries against the geometry of a tree.
#pragma once

#include <vector>

#include "base/SharedPtr.h"
#include "bsp/BspNode.h"
#include "bsp/BspTree.h"
#include "math/HitRecord.h"
#include "math/Vector3.h"

namespace trovane {

// First hit along the segment from -> to (radius >= 0 only widens the choice of leaves), or a
// miss with hit 0, ray (from, normalise(to - from)) at t = +infinity and distance +infinity.
// On a hit, `hit` holds the address of the Geometry, `ray` the piece of the segment in which it
// was found (t along that piece), `normal` faces the incoming ray and `distance` is measured
// from `from`. A hit exactly at `to` counts; a zero-length segment misses.
HitRecord collide(const BspTree& tree, Vector3 from, Vector3 to, float radius);

// The walk behind collide: appends to hits, nearest first per leaf, the hits within each piece
// of the segment a -> b, visiting the side containing a first. With firstOnly it stops once a
// leaf has produced hits. Distances are along each piece.
void segmentQuery(const SharedPtr<BspNode>& node, Vector3 a, Vector3 b, float radius,
                  bool firstOnly, std::vector<HitRecord>& hits);

} // namespace trovane
