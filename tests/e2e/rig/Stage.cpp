#include "Stage.h"

namespace e2e {

Stage::Stage(const ProgramSetup& setup) : x_(xvfb_.display()), run_(xvfb_.display(), setup) {
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
