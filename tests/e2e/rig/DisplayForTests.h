// One virtual X server for a whole test program, named in DISPLAY before
// anything opens the window system.
#pragma once

#include "XvfbServer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace e2e {

class DisplayForTests : public ::testing::Environment {
public:
    void SetUp() override {
        server_ = std::make_unique<XvfbServer>();
        setenv("DISPLAY", server_->display().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
    }
    void TearDown() override { server_.reset(); }

private:
    std::unique_ptr<XvfbServer> server_;
};

} // namespace e2e
