// Keeps the camera off the walls: a probe ahead along the motion (or the
// view when standing still) that pushes the camera back when a wall is too
// close, and a sweep of the frame's move so that a long step cannot pass
// through a wall.
#pragma once

#include "bsp/BspTree.h"
#include "math/HitRecord.h"
#include "math/Vector3.h"

namespace trovane {

inline constexpr float kProbeLength = 100.3f;
// How close the camera may come to a wall, measured along the probe.
inline constexpr float kWallClearance = 0.2f;

// Whether the camera moved this frame or its view turned since the last
// probe (exact comparison): only then is a probe worth running.
bool cameraNeedsProbe(Vector3 motion, Vector3 view, Vector3 lastView);

// The unit probe direction: the motion when there is any, else the view.
Vector3 probeDirection(Vector3 motion, Vector3 view);

struct ProbeResult {
    HitRecord hit;         // the nearest wall within kProbeLength, or a miss
    bool collided = false; // the wall was within kWallClearance
};

// Probes kProbeLength ahead of position along the unit direction; when the
// wall met is within kWallClearance, moves position along the wall's normal
// so that it is kWallClearance from the wall along direction again.
ProbeResult probeAndPushBack(const BspTree& tree, Vector3& position, Vector3 direction);

// When the straight move from -> to crosses a wall, returns the point
// kWallClearance before that wall along the move (or from itself when it was
// nearer already); otherwise returns to. Keeps a large step (a slow frame, the
// wheel's drift) from carrying the camera through a wall.
Vector3 stopBeforeWall(const BspTree& tree, Vector3 from, Vector3 to);

} // namespace trovane
