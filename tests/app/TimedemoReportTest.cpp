// The timedemo's figures from known frame times, and both report forms.
#include "app/TimedemoReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <regex>
#include <sstream>
#include <vector>

namespace trovane {
namespace {

TEST(TimedemoFigures, FromAHundredFramesOfOneToAHundredMilliseconds) {
    std::vector<double> ms(100);
    std::iota(ms.rbegin(), ms.rend(), 1.0); // unsorted: 100 down to 1
    const FrameFigures f = summariseFrames(ms, 5.05);
    EXPECT_EQ(f.frames, 100u);
    EXPECT_DOUBLE_EQ(f.meanFps, 100 / 5.05);
    EXPECT_DOUBLE_EQ(f.minMs, 1.0);
    EXPECT_DOUBLE_EQ(f.maxMs, 100.0);
    EXPECT_DOUBLE_EQ(f.medianMs, 50.5);
    EXPECT_DOUBLE_EQ(f.medianFps, 1000.0 / 50.5);
    EXPECT_DOUBLE_EQ(f.p99Ms, 99.0);
    EXPECT_DOUBLE_EQ(f.lowFps, 10.0) << "the slowest frame, 100 ms";
}

TEST(TimedemoFigures, FewOrNoFrames) {
    const FrameFigures one = summariseFrames({20.0}, 0.02);
    EXPECT_DOUBLE_EQ(one.medianMs, 20.0);
    EXPECT_DOUBLE_EQ(one.p99Ms, 20.0);
    EXPECT_DOUBLE_EQ(one.lowFps, 50.0);
    const FrameFigures none = summariseFrames({}, 1.0);
    EXPECT_EQ(none.frames, 0u);
    EXPECT_EQ(none.meanFps, 0.0);
}

TEST(TimedemoReport, TextAndJsonCarryTheFiguresAndTheMachine) {
    const FrameFigures f = summariseFrames({10.0, 20.0, 30.0}, 0.06);
    MachineFigures m;
    m.glVendor = "Vendor \"Q\"";
    m.glRenderer = "R\\1";
    m.glVersion = "1.1";
    m.cpuBrand = "  Some CPU   ";
    m.sse = true;
    m.totalPhysicalBytes = 2 * 1024 * 1024;
    std::ostringstream text;
    writeTextReport(text, f, CullingFigures{}, m);
    EXPECT_NE(text.str().find("timedemo: 3 frames in 0.06 s"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("median 20.00, p99 30.00, max 30.00"), std::string::npos);
    EXPECT_NE(text.str().find("processor: Some CPU (SSE yes, SSE2 no)"), std::string::npos);
    EXPECT_NE(text.str().find("2.00 MB physical"), std::string::npos);
    std::ostringstream json;
    writeJsonReport(json, f, CullingFigures{}, m);
    EXPECT_NE(json.str().find(R"("vendor":"Vendor \"Q\"","renderer":"R\\1")"), std::string::npos)
        << json.str();
    const std::string object = json.str();
    EXPECT_NE(object.find(R"("brand":"Some CPU","sse":true,"sse2":false)"), std::string::npos);
    EXPECT_EQ(std::count(object.begin(), object.end(), '\n'), 1);
    EXPECT_EQ(std::count(object.begin(), object.end(), '{'),
              std::count(object.begin(), object.end(), '}'));
}

TEST(TimedemoReport, CullingGivesMeanRoomsAndEachFallbackShareUnderItsName) {
    CullingFigures c;
    c.add(10, PortalFallback::None);
    c.add(30, PortalFallback::None);
    c.add(200, PortalFallback::EyeOutsideRoom);
    c.add(200, PortalFallback::TooComplex);
    EXPECT_DOUBLE_EQ(c.meanRoomsDrawn(), 110.0);
    EXPECT_DOUBLE_EQ(c.share(PortalFallback::TooComplex), 0.25);
    EXPECT_DOUBLE_EQ(c.share(PortalFallback::GrazingDoor), 0.0);
    std::ostringstream text;
    writeTextReport(text, summariseFrames({10.0}, 0.01), c, MachineFigures{});
    EXPECT_NE(text.str().find("rooms drawn per frame: mean 110.00\n"), std::string::npos)
        << text.str();
    EXPECT_NE(text.str().find("eyeOutsideRoom 25.00, eyeNearWall 0.00, grazingDoor 0.00, "
                              "tooComplex 25.00, grazingSlab 0.00\n"),
              std::string::npos)
        << text.str();
    std::ostringstream json;
    writeJsonReport(json, summariseFrames({10.0}, 0.01), c, MachineFigures{});
    EXPECT_NE(json.str().find(R"("culling":{"meanRoomsDrawn":110.00,"fallbackShare":{)"
                              R"("eyeOutsideRoom":0.2500,"eyeNearWall":0.0000,)"),
              std::string::npos)
        << json.str();
    EXPECT_EQ(fallbackName(static_cast<PortalFallback>(-1)), nullptr);
}

} // namespace
} // namespace trovane
