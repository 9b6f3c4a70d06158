#include "world/LayoutDraws.h"

namespace trovane {

namespace {

constexpr float kRoomShare = 0.4f;
// Both floats lie just below the true ratios; with the product formed in double precision (where
// it is exact) the largest value 32767 gives 6 and 4, never 7 or 5.
constexpr float kCoordinateScale = 7.0f / 32767.0f;
constexpr float kFaceScale = 5.0f / 32767.0f;

int scaled(std::uint32_t value, float scale) {
    return static_cast<int>(static_cast<double>(value) * static_cast<double>(scale));
}

} // namespace

bool roomFromValue(std::uint32_t value) {
    const float r = static_cast<float>(value) / 32767.0f;
    return r < kRoomShare;
}

int coordinateFromValue(std::uint32_t value) {
    return scaled(value, kCoordinateScale);
}

int faceFromValue(std::uint32_t value) {
    return scaled(value, kFaceScale);
}

} // namespace trovane
