// One virtual X server for a whole test program, named in DISPLAY before
// anything opens the window system. Under Wine the X server is Wine's, named
// by whoever started the test program, so there is nothing to start.
#pragma once

#include <gtest/gtest.h>

#ifndef _WIN32
#include "tests/support/XvfbServer.h"

#include <memory>
#endif

namespace trovane::test {

// The screen's size in pixels; tools/test.sh windows starts Wine's X server
// with the same.
#ifdef _WIN32
inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
#else
inline constexpr int kScreenWidth = XvfbServer::kWidth;
inline constexpr int kScreenHeight = XvfbServer::kHeight;
#endif

class DisplayForTests : public ::testing::Environment {
public:
#ifndef _WIN32
    void SetUp() override {
        server_ = std::make_unique<XvfbServer>();
        server_->exportDisplay();
    }
    void TearDown() override {
        server_.reset();
    }

private:
    std::unique_ptr<XvfbServer> server_;
#endif
};

} // namespace trovane::test
