// The perspective every frame is drawn with.
#pragma once

namespace trovane {

inline constexpr double kFieldOfViewDegrees = 60.0; // vertical
inline constexpr double kNearPlane = 0.01;
inline constexpr double kFarPlane = 50.0;

} // namespace trovane
