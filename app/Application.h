// The demo on top of the window: the camera, the generated station with its
// BSP tree, the bombs, the input devices, the text font and the render
// switches. Frames are drawn by RenderFrame (RenderFrame.cpp).
#pragma once

#include "app/GLWindow.h"
#include "app/TimedemoReport.h"
#include "app/frame/Bomb.h"
#include "app/frame/FrameUpdate.h"
#include "app/render/FrameDrawing.h"
#include "base/SharedPtr.h"
#include "bsp/BspTree.h"
#include "math/Matrix4.h"
#include "math/Vector3.h"
#include "sdk/InputDevices.h"
#include "sdk/OwnedObject.h"
#include "world/Structure.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace trovane {

class Application : public GLWindow {
public:
    // Generates the station (the structure member).
    Application();
    // The same, writing the generator's progress dots to progress instead of
    // standard output (null: nowhere), now and for -station.
    explicit Application(std::FILE* progress);
    // The window and its context close last: the devices read through the
    // window system, and the texture names belong to the context.
    ~Application() override;

    // Keeps the viewport, then sets the projection (60 degrees vertical,
    // near 0.01, far 50) and loads the viewing matrix.
    void Resize(int width, int height) override;
    void RenderFrame() override;
    // Takes programSettings. False, after one line on standard error, when
    // no window could be made; a missing input library or texture only warns,
    // since the station can still be watched without them.
    bool Init(const char* title, bool fullScreen, int width, int height) override;

    // Starts with the nth station of the sequence (1: the one made at
    // construction) instead; call before Init. The wheel button goes on with
    // n + 1.
    void chooseStation(int n);
    // The centre of the station's start room, where -station puts the camera.
    Vector3 StartRoomCentre() const;
    // Flies the demo path at a fixed step of 1/60 s per frame, as fast as the
    // machine draws, for seconds of wall time, with collision, bombs and
    // input left out; then prints the report (JSON when json) to standard
    // output and returns 0. Call after Init. The frames drawn at the flight
    // times in shots (seconds, ascending) are saved as screenshots, and the
    // run goes on past its seconds until the last one is. Closing the
    // window first ends it with the quit code and no report.
    int runTimedemo(double seconds, bool json, const std::vector<double>& shots = {});

    // Flies the scripted circle: sets position's x and z from the clock and
    // turns orientation further.
    void DemoCamera(Matrix4& orientation);

    bool demoMode = false;
    bool showStatistics = false;
    Vector3 position;
    Structure structure;
    SharedPtr<BspTree> tree;
    std::vector<unsigned int> textures; // GL texture names; the first is the walls'
    std::vector<SharedPtr<Bomb>> bombs;
    // Null when the input library or its object is missing: every use checks.
    plugin::Owned<Mouse> mouse;
    plugin::Owned<Keyboard> keyboard;
    unsigned int fontBase = 0; // first of 256 display lists of glyphs
    bool zTest = false;
    bool frontToBack = false;
    bool collisionDetection = false;
    bool portalCulling = true; // draw only the rooms seen through the doors

    // What the frame keeps from one frame to the next: the clock of the last
    // frame, throw and probe, the status text, the draw list, the bomb cube.
    FrameUpdate frameUpdate;
    FrameDrawing frameDrawing;

private:
    // The clock the frame update reads: the window's, or the timedemo's
    // fixed steps.
    double frameTime();
    // Tells the program's hooks which station is flown, for tests that check
    // it (see ProgramHooks.h).
    void showStation();

    bool stationShown_ = false;

    // Counts the timedemo's frame just drawn: its culling, and its picture
    // when a shot is due.
    void timedemoFrameDrawn();

    std::FILE* progress_ = stdout;
    bool timedemo_ = false;
    std::uint64_t timedemoFrames_ = 0;
    std::vector<double> timedemoShots_;
    std::size_t nextShot_ = 0;
    CullingFigures timedemoCulling_;

    void initInput();
    void initGLState();
    void initFont();
};

} // namespace trovane
