// How thrown bombs move: at a fixed speed along their direction, bouncing off
// walls (reflecting bombs) or stopping at the first one (sticky bombs).
#pragma once

#include "app/frame/Bomb.h"
#include "base/SharedPtr.h"
#include "bsp/BspTree.h"

#include <vector>

namespace trovane {

inline constexpr float kBombSpeed = 5.0f;            // world units per second
inline constexpr float kReflectingBombLife = 200.0f; // left button
inline constexpr float kStickyBombLife = 50.0f;      // right button

Bomb reflectingBomb(Vector3 position, Vector3 direction);
Bomb stickyBomb(Vector3 position, Vector3 direction);

// Moves a bomb whose life is left by dt seconds of flight. At the first wall
// on the way its direction is mirrored; a reflecting bomb flies on for the
// rest of the step, a sticky one stays on the wall with life 0. Life shrinks
// by the length of the step and never below 0. Without a tree (no station)
// nothing is in the way.
void stepBomb(Bomb& bomb, const BspTree* tree, float dt);

// One frame for all bombs, in throwing order: every bomb with life left
// moves; a reflecting bomb whose life ran out in an earlier frame is removed
// and the others keep their order; a stopped sticky bomb stays.
void advanceBombs(std::vector<SharedPtr<Bomb>>& bombs, const BspTree* tree, float dt);

} // namespace trovane
