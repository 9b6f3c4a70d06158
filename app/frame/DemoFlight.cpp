#include "app/frame/DemoFlight.h"

#include "math/Constants.h"

#include <cmath>

namespace trovane {
namespace {

constexpr double kTimeScale = 0.2;
constexpr float kTurn = 2.0f * kPi;
constexpr float kRadius = 8.0f;
constexpr float kCentre = 4.0f;
constexpr float kSwingDegrees = 100.0f;
constexpr float kNod = 0.5f;

} // namespace

float demoAngle(double seconds) {
    // Wrapped in double precision: a float clock would make the flight jerky
    // after some hours of running.
    const double t = seconds * kTimeScale;
    const auto turns = static_cast<long long>(t / static_cast<double>(kTurn));
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
    const float degrees = a * kRadiansToDegrees;
    // 0 at the start, 1 half way round, 0 again at the end of the turn.
    const float swing = 1.0f - std::fabs(1.0f - degrees / 180.0f);
    const float swing4 = swing * swing * swing * swing;
    const float heading = -(degrees + kSwingDegrees * swing4 + 90.0f) * kDegreesToRadians;
    orientation = multiply(orientation, rotationAxisAngle(kAxisY, heading));
    const float nod = -kNod * std::sin(a - 2.0f);
    orientation = multiply(orientation, rotationAxisAngle(kAxisX, nod));
}

} // namespace trovane
