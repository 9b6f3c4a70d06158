// The demo's circle: where the camera is and where it looks at chosen
// times, worked out here from the flight's description (radius 8 around
// (4, y, 4), a turn every 10 pi s, heading and nod).
#include "app/frame/DemoFlight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace trovane {
namespace {

constexpr double kPi = std::numbers::pi;

// The view direction the flight gives an unturned camera at angle a: the
// heading about +Y, then the nod about +X, applied to (0, 0, 1).
Vector3 expectedView(double a) {
    const double degrees = a * 180.0 / kPi;
    const double s = 1.0 - std::fabs(1.0 - degrees / 180.0);
    const double heading = -(degrees + 100.0 * std::pow(s, 4) + 90.0) * kPi / 180.0;
    const double nod = -0.5 * std::sin(a - 2.0);
    return {float(std::sin(heading)), float(-std::sin(nod) * std::cos(heading)),
            float(std::cos(nod) * std::cos(heading))};
}

struct Flown {
    Vector3 position;
    Vector3 view;
};

Flown flyAt(double seconds) {
    Vector3 position{0.0f, 2.5f, 0.0f};
    Matrix4 orientation;
    flyDemo(seconds, position, orientation);
    return {position, transformPoint(orientation, Vector3(0, 0, 1))};
}

void expectNear(Vector3 actual, Vector3 expected, float tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(DemoFlight, StartsOnThePlusXSideLookingAtTheMiddle) {
    const Flown f = flyAt(0.0);
    expectNear(f.position, {12.0f, 2.5f, 4.0f}, 1e-5f);
    expectNear(f.view, expectedView(0.0), 1e-5f);
    EXPECT_NEAR(f.view.x, -1.0f, 1e-5f) << "towards the middle at (4, y, 4)";
}

TEST(DemoFlight, QuarterTurnAfterFivePiHalvesSeconds) {
    const double t = 2.5 * kPi; // a = pi / 2
    const Flown f = flyAt(t);
    expectNear(f.position, {4.0f, 2.5f, 12.0f}, 1e-4f);
    expectNear(f.view, expectedView(kPi / 2.0), 1e-4f);
}

TEST(DemoFlight, HalfWayTheHeadingSwingsOutByAHundredDegrees) {
    const Flown f = flyAt(5.0 * kPi); // a = pi
    expectNear(f.position, {-4.0f, 2.5f, 4.0f}, 1e-4f);
    expectNear(f.view, expectedView(kPi), 1e-4f);
    // -370 degrees: ten degrees past the middle's direction.
    EXPECT_NEAR(f.view.x, std::sin(-370.0 * kPi / 180.0), 1e-4f);
}

TEST(DemoFlight, KeepsTheHeightAndRepeatsEveryTenPiSeconds) {
    const Flown first = flyAt(3.0);
    const Flown later = flyAt(3.0 + 10.0 * kPi * 7.0);
    EXPECT_EQ(later.position.y, 2.5f);
    expectNear(later.position, first.position, 1e-3f);
    expectNear(later.view, first.view, 1e-3f);
}

TEST(DemoFlight, AngleStaysWithinOneTurnAfterDaysOfRunning) {
    const double days = 3.0 * 24 * 3600;
    const float a = demoAngle(days);
    EXPECT_GE(a, 0.0f);
    EXPECT_LE(a, 6.2831855f);
    // Neighbouring frames a millisecond apart still differ.
    EXPECT_NE(demoAngle(days + 0.001), a);
}

TEST(DemoFlight, TurnsTheGivenOrientationFurther) {
    Vector3 position;
    const Matrix4 base = yawPitch(0.4f, 0.1f);
    Matrix4 turned = base;
    flyDemo(1.0, position, turned);
    Matrix4 fromIdentity;
    flyDemo(1.0, position, fromIdentity);
    // The flight's turn applies after the mouse's.
    const Matrix4 expected = multiply(base, fromIdentity);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(turned[i], expected[i], 1e-5f) << i;
    }
}

} // namespace
} // namespace trovane
