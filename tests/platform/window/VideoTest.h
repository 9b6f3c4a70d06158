// Window-layer tests start from an open video system on the test program's
// virtual X server.
#pragma once

#include "platform/window/VideoSystem.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace trovane::test {

class VideoTest : public ::testing::Test {
protected:
    void SetUp() final {
        std::string error;
        video = platform::VideoSystem::open(error);
        ASSERT_NE(video, nullptr) << error;
        setUpWithVideo();
    }
    // What a test needs beyond the video system.
    virtual void setUpWithVideo() {}

    std::unique_ptr<platform::VideoSystem> video;
};

} // namespace trovane::test
