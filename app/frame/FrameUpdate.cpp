#include "app/frame/FrameUpdate.h"

#include "app/frame/BombFlight.h"
#include "app/frame/CameraCollision.h"
#include "app/frame/DemoFlight.h"

#include <cmath>
#include <cstdint>

namespace trovane {
namespace {

// DirectInput key codes of the arrow keys.
constexpr std::uint8_t kKeyLeft = 0xCB;
constexpr std::uint8_t kKeyRight = 0xCD;
constexpr std::uint8_t kKeyUp = 0xC8;
constexpr std::uint8_t kKeyDown = 0xD0;

constexpr float kWheelScale = 0.01f; // world units per wheel count, per frame
constexpr float kMouseScale = 0.01f; // radians per mouse count

bool codeDown(const FrameInputs& in, std::uint8_t code) {
    return in.keyboard != nullptr && in.keyboard->IsKeyDown(static_cast<char>(code), false);
}

bool letterDown(const FrameInputs& in, char letter) {
    return in.keyboard != nullptr && in.keyboard->IsKeyDown(letter, true);
}

bool isFinite(Vector3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

} // namespace

float FrameUpdate::timeStep(double now) {
    if (!started_) {
        lastFrameTime_ = now;
        started_ = true;
    }
    // Kept in double: a float clock loses milliseconds after some hours.
    auto dt = static_cast<float>(now - lastFrameTime_);
    lastFrameTime_ = now;
    // A clock that wrapped around must not throw the camera backwards.
    return dt > 0.0f ? dt : 0.0f;
}

Vector3 FrameUpdate::readMotion(const FrameInputs& in, float dt) const {
    Vector3 m;
    if (codeDown(in, kKeyLeft)) {
        m.x -= dt;
    }
    if (codeDown(in, kKeyRight)) {
        m.x += dt;
    }
    if (letterDown(in, 'w')) {
        m.y -= dt;
    }
    if (letterDown(in, 's')) {
        m.y += dt;
    }
    if (codeDown(in, kKeyUp)) {
        m.z += dt;
    }
    if (codeDown(in, kKeyDown)) {
        m.z -= dt;
    }
    // The wheel total moves the camera every frame, whatever the frame rate.
    if (in.mouse != nullptr) {
        m.y += static_cast<float>(in.mouse->GetWheel()) * kWheelScale;
    }
    return m;
}

void FrameUpdate::readSwitches(FrameScene& scene, const FrameInputs& in, FrameStep& step) {
    if (letterDown(in, 'd')) {
        scene.demoMode = true; // nothing turns it off
    }
    if (letterDown(in, 'z')) {
        in.switches.setDepthTest(true);
        scene.zTest = true;
    }
    if (letterDown(in, 'u')) {
        in.switches.setDepthTest(false);
        scene.zTest = false;
    }
    if (letterDown(in, 'b')) {
        scene.frontToBack = false;
        step.orderChanged = true;
    }
    if (letterDown(in, 'f')) {
        scene.frontToBack = true;
        step.orderChanged = true;
    }
    if (letterDown(in, 'c')) {
        scene.collisionDetection = true;
    }
    if (letterDown(in, 'x')) {
        scene.collisionDetection = false;
    }
    if (letterDown(in, 'l')) {
        in.switches.setPolygonMode(PolygonMode::Line);
    }
    if (letterDown(in, 't')) {
        in.switches.setPolygonMode(PolygonMode::Fill);
    }
    if (letterDown(in, 'k')) {
        in.switches.setPolygonMode(PolygonMode::Point);
    }
    const bool cullingKey = letterDown(in, 'p');
    step.cullingToggled = cullingKey && !cullingKeyDown_;
    cullingKeyDown_ = cullingKey;
}

void FrameUpdate::throwOrRegenerate(FrameScene& scene, const FrameInputs& in, FrameStep& step) {
    if (in.mouse == nullptr || in.clock() - lastThrowTime_ <= kThrowInterval) {
        return;
    }
    if (in.mouse->IsLeftButtonDown()) {
        scene.bombs.push_back(makeShared<Bomb>(reflectingBomb(scene.position, step.view)));
        lastThrowTime_ = in.clock();
    }
    if (in.mouse->IsRightButtonDown()) {
        scene.bombs.push_back(makeShared<Bomb>(stickyBomb(scene.position, step.view)));
        lastThrowTime_ = in.clock();
    }
    if (in.mouse->IsMiddleButtonDown()) {
        // The old station goes once the last share of it is released.
        scene.structure = Structure();
        scene.tree = scene.structure.tree;
        std::vector<SharedPtr<Bomb>>().swap(scene.bombs);
        lastThrowTime_ = in.clock();
        step.regenerated = true;
    }
}

void FrameUpdate::keepOffWalls(FrameScene& scene, Vector3 from, Vector3 motion, FrameStep& step) {
    if (!cameraNeedsProbe(motion, step.view, lastView_)) {
        return; // standing still: the status keeps its text
    }
    lastView_ = step.view;
    if (!scene.tree) {
        return;
    }
    const BspTree& tree = *scene.tree;
    if (lengthSquared(motion) > 0.0f) {
        scene.position = stopBeforeWall(tree, from, scene.position);
    }
    const ProbeResult probe =
        probeAndPushBack(tree, scene.position, probeDirection(motion, step.view));
    if (probe.collided) {
        status_.showCollision(probe.hit.distance, probe.hit.point);
    } else {
        status_.showWayAhead(probe.hit.distance);
    }
    step.probed = true;
}

FrameStep FrameUpdate::run(FrameScene& scene, const FrameInputs& in) {
    FrameStep step;
    step.dt = timeStep(in.clock());
    Vector3 motion = readMotion(in, step.dt);
    readSwitches(scene, in, step);

    const int mouseY = in.mouse != nullptr ? in.mouse->GetY() : 0;
    const int mouseX = in.mouse != nullptr ? in.mouse->GetX() : 0;
    step.orientation = yawPitch(static_cast<float>(mouseX) * kMouseScale,
                                static_cast<float>(mouseY) * -kMouseScale);
    const Vector3 view = normalised(transformPoint(step.orientation, Vector3(0, 0, 1)));
    // Cannot fail for a rotation; a bad value must still not spread.
    step.view = isFinite(view) ? view : lastView_;

    if (scene.demoMode) {
        flyDemo(in.clock(), scene.position, step.orientation);
    }
    motion = transformPoint(step.orientation, motion);
    const Vector3 from = scene.position;
    scene.position += motion;

    advanceBombs(scene.bombs, scene.tree.get(), step.dt);
    throwOrRegenerate(scene, in, step);
    if (scene.collisionDetection) {
        keepOffWalls(scene, from, motion, step);
    }
    return step;
}

} // namespace trovane
