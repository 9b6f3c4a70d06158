#include "app/DemoFlight.h"

#include <cmath>

namespace trovane {
namespace {

constexpr double kTimeScale = 0.2;
constexpr float kTurn = 6.2831855f;
constexpr float kInverseTurn = 0.15915494f;
constexpr float kRadius = 8.0f;
constexpr float kCentre = 4.0f;
constexpr float kDegreesPerRadian = 57.29578f;
constexpr float kRadiansPerDegree = 0.017453292f;
constexpr float kHalfTurnInverse = 0.0055555557f; // 1 / 180 degrees
constexpr float kSwingDegrees = 100.0f;
constexpr float kNod = 0.5f;

Matrix4 rotationY(float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return Matrix4({c, 0, s, 0, 0, 1, 0, 0, -s, 0, c, 0, 0, 0, 0, 1}, MatrixKind::Affine);
}

Matrix4 rotationX(float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return Matrix4({1, 0, 0, 0, 0, c, -s, 0, 0, s, c, 0, 0, 0, 0, 1}, MatrixKind::Affine);
}

} // namespace

float demoAngle(double seconds) {
    // Wrapped in double precision: a float clock would make the flight jerky
    // after some hours of running.
    const double t = seconds * kTimeScale;
    const auto turns = static_cast<long long>(t * static_cast<double>(kInverseTurn));
    auto a = static_cast<float>(t - static_cast<double>(kTurn) * static_cast<double>(turns));
    if (a < 0.0f) {
        a += kTurn;
    }
    return a;
}

void flyDemo(double seconds, Vector3& position, Matrix4& orientation) {
    const float a = demoAngle(seconds);
    position.x = kRadius * std::cos(a) + kCentre;
    position.z = kRadius * std::sin(a) + kCentre;
    const float degrees = a * kDegreesPerRadian;
    const float swing = 1.0f - std::fabs(1.0f - degrees * kHalfTurnInverse);
    const float swing4 = swing * swing * swing * swing;
    const float heading = -(degrees + kSwingDegrees * swing4 + 90.0f) * kRadiansPerDegree;
    orientation = multiply(orientation, rotationY(heading));
    const float nod = -kNod * std::sin(a - 2.0f);
    orientation = multiply(orientation, rotationX(nod));
}

} // namespace trovane
