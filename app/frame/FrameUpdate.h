// The update half of a frame: the time step, the keyboard and mouse, the
// camera's orientation and motion (or the demo flight), the bombs, throwing
// and regeneration, and the camera collision that writes the status text.
// Runs without a window: the clock, the devices and the graphics switches
// are handed in.
#pragma once

#include "app/frame/Bomb.h"
#include "app/frame/RenderSwitches.h"
#include "app/frame/StatusText.h"
#include "base/SharedPtr.h"
#include "bsp/BspTree.h"
#include "math/Matrix4.h"
#include "math/Vector3.h"
#include "sdk/InputDevices.h"
#include "world/Structure.h"

#include <functional>
#include <vector>

namespace trovane {

// The application's state that a frame update reads and changes.
struct FrameScene {
    Vector3& position;
    Structure& structure;
    SharedPtr<BspTree>& tree; // shares the structure's tree
    std::vector<SharedPtr<Bomb>>& bombs;
    bool& demoMode;
    bool& zTest;
    bool& frontToBack;
    bool& collisionDetection;
};

// Where the update gets its input. A missing keyboard reads every key up, a
// missing mouse reads zero totals and no buttons.
struct FrameInputs {
    Keyboard* keyboard = nullptr;
    Mouse* mouse = nullptr;
    RenderSwitches& switches;
    std::function<double()> clock; // seconds, standing still while paused
};

// What the drawing half needs from the update.
struct FrameStep {
    Matrix4 orientation;         // the camera's turn, applied before -position
    Vector3 view{0, 0, 1};       // unit view direction in world axes
    float dt = 0.0f;             // seconds since the previous frame
    bool orderChanged = false;   // b or f was down
    bool regenerated = false;    // a new station was made
    bool cullingToggled = false; // p went down: portal culling on or off
    bool probed = false;         // the camera collision probe ran
};

class FrameUpdate {
public:
    // Minimum time between two throws or regenerations.
    static constexpr double kThrowInterval = 0.2;

    // One frame. Polls the keyboard 17 times and the mouse up to 6 times, in
    // a fixed order: the arrows and w, s, the wheel, then d z u b f c x l t
    // k p; the mouse's y and x; the three buttons only when a throw is due.
    FrameStep run(FrameScene& scene, const FrameInputs& inputs);

    // The line for the overlay: "Trovane" until the first probe.
    const char* statusText() const { return status_.c_str(); }

private:
    float timeStep(double now);
    Vector3 readMotion(const FrameInputs& inputs, float dt) const;
    void readSwitches(FrameScene& scene, const FrameInputs& inputs, FrameStep& step);
    void throwOrRegenerate(FrameScene& scene, const FrameInputs& inputs, FrameStep& step);
    void keepOffWalls(FrameScene& scene, Vector3 from, Vector3 motion, FrameStep& step);

    bool started_ = false;
    double lastFrameTime_ = 0.0;
    Vector3 lastView_{0.0f, 0.0f, 1.0f}; // at the last collision probe
    double lastThrowTime_ = 0.0;
    bool cullingKeyDown_ = false; // p toggles once per press, not every frame it is held
    StatusText status_;
};

} // namespace trovane
