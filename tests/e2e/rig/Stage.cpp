#include "Stage.h"

namespace e2e {
namespace {

const ProgramSetup& withPointerPlaced(const XDisplay& x, const ProgramSetup& setup) {
    if (setup.pointerAt) {
        x.moveMouseTo(setup.pointerAt->first, setup.pointerAt->second);
    }
    return setup;
}

} // namespace

Stage::Stage(const ProgramSetup& setup)
    : x_(xvfb_.display()), run_(xvfb_.display(), withPointerPlaced(x_, setup)) {
    window_ = x_.waitForWindow(run_.process().pid(), kWindowLimit);
    if (window_) {
        x_.focus(*window_);
    }
}

std::optional<Image> Stage::screenshot(const std::string& name) {
    std::filesystem::path png = run_.directory() / name;
    std::optional<Image> image = x_.screenshot(png);
    if (image) {
        keepArtefact(png, name);
    }
    return image;
}

std::optional<int> Stage::waitExit(Milliseconds timeout) {
    return run_.process().waitExit(timeout);
}

} // namespace e2e
