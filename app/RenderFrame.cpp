// One frame of the demo: the update half (FrameUpdate) advances the camera,
// the bombs and the station; the drawing half (FrameDrawing) draws them with
// the overlay. The message loop swaps the buffers afterwards.
#include "app/Application.h"

#include "app/render/GLRenderSwitches.h"

namespace trovane {

void Application::RenderFrame() {
    FrameDrawing::begin();
    GLRenderSwitches switches;
    FrameScene scene{position, structure, tree,        bombs,
                     demoMode, zTest,     frontToBack, collisionDetection};
    // A timedemo reads no input: every run flies the same frames.
    const FrameInputs inputs{timedemo_ ? nullptr : keyboard.get(),
                             timedemo_ ? nullptr : mouse.get(), switches,
                             [this] { return frameTime(); }};
    const FrameStep step = frameUpdate.run(scene, inputs);
    if (step.cullingToggled) {
        portalCulling = !portalCulling;
    }
    const float aspect = static_cast<float>(width) / static_cast<float>(height > 0 ? height : 1);
    const char* notice = screenshotNotice();
    const FrameView view{position,
                         tree,
                         textures,
                         bombs,
                         frontToBack,
                         zTest,
                         fontBase,
                         notice != nullptr ? notice : frameUpdate.statusText(),
                         &structure.cells,
                         portalCulling,
                         aspect};
    frameDrawing.draw(step, view);
    if (step.regenerated || !stationShown_) {
        showStation();
    }
    if (timedemo_) {
        timedemoFrameDrawn();
    }
}

} // namespace trovane
