// Numeric constants shared by the geometry code.
#pragma once

#include <limits>

#include "math/Vector3.h"

namespace trovane {

inline constexpr Vector3 kZeroVector{0.0f, 0.0f, 0.0f};
inline constexpr Vector3 kAxisX{1.0f, 0.0f, 0.0f};
inline constexpr Vector3 kAxisY{0.0f, 1.0f, 0.0f};
inline constexpr Vector3 kAxisZ{0.0f, 0.0f, 1.0f};

inline constexpr float kInfinity = std::numeric_limits<float>::infinity();
inline constexpr float kQuietNaN = std::numeric_limits<float>::quiet_NaN();

inline constexpr float kPi = 3.1415927f;
inline constexpr float kDegreesToRadians = 0.017453292f; // 2 pi / 360
inline constexpr float kRadiansToDegrees = 57.29578f;

} // namespace trovane
