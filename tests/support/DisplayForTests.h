// One virtual X server for a whole test program, named in DISPLAY before
// anything opens the window system.
#pragma once

#include "tests/support/XvfbServer.h"

#include <gtest/gtest.h>

#include <memory>

namespace trovane::test {

class DisplayForTests : public ::testing::Environment {
public:
    void SetUp() override {
        server_ = std::make_unique<XvfbServer>();
        server_->exportDisplay();
    }
    void TearDown() override { server_.reset(); }

private:
    std::unique_ptr<XvfbServer> server_;
};

} // namespace trovane::test
