// -timedemo: the program flies the demo path, exits on its own with 0 and
// prints its report; with --json the report is one JSON object.
#include "Stage.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace e2e {
namespace {

double figure(const std::string& text, const std::string& pattern) {
    std::smatch match;
    if (!std::regex_search(text, match, std::regex(pattern))) {
        ADD_FAILURE() << "no match for " << pattern << " in:\n" << text;
        return 0.0;
    }
    return std::stod(match[1].str());
}

// The run's own length and 5 s more, counted from its window's appearance.
std::optional<int> runTimedemo(Stage& stage, int seconds) {
    if (!stage.window()) {
        return std::nullopt;
    }
    return stage.waitExit(Milliseconds(seconds * 1000 + 5000));
}

TEST(Timedemo, ReportsPositiveFrameRatesAndExitsWithZero) {
    ProgramSetup setup;
    setup.arguments = {"-timedemo", "3"};
    Stage stage(setup);
    ASSERT_TRUE(stage.window()) << stage.program().err();
    EXPECT_EQ(runTimedemo(stage, 3), std::optional<int>(0)) << stage.program().err();
    const std::string out = stage.program().out();
    const std::string number = R"(([0-9]+(?:\.[0-9]+)?))";
    EXPECT_GT(figure(out, "timedemo: " + number + " frames"), 0.0);
    EXPECT_GE(figure(out, "frames in " + number + " s"), 3.0);
    for (const char* name : {"mean ", "median ", "1 % low "}) {
        EXPECT_GT(figure(out, "fps:.*" + std::string(name) + number), 0.0) << name;
    }
    for (const char* name : {"min ", "median ", "p99 ", "max "}) {
        EXPECT_GT(figure(out, "frame time \\(ms\\):.*" + std::string(name) + number), 0.0) << name;
    }
    EXPECT_TRUE(std::regex_search(out, std::regex("GL: .+ \\| .+ \\| .+")));
    EXPECT_TRUE(
        std::regex_search(out, std::regex(R"(processor: .*\(SSE (yes|no), SSE2 (yes|no)\))")));
    EXPECT_GT(figure(out, "memory: " + number + " MB physical"), 0.0);
    EXPECT_EQ(out.find("keys:"), std::string::npos) << "no key reference for a run without keys";
}

// The first station's generator throws layouts away, printing a dot for each:
// with --json they go to standard error, so standard output is one JSON object.
TEST(Timedemo, JsonIsAllOfStandardOutput) {
    ProgramSetup setup;
    setup.arguments = {"-timedemo", "1", "--json"};
    Stage stage(setup);
    ASSERT_TRUE(stage.window()) << stage.program().err();
    EXPECT_EQ(runTimedemo(stage, 1), std::optional<int>(0)) << stage.program().err();
    const std::string out = stage.program().out();
    EXPECT_TRUE(std::regex_match(
        out, std::regex(R"(\{"frames":[^\n]*,"culling":\{"meanRoomsDrawn":[1-9][0-9.]*,)"
                        R"("fallbackShare":\{"eyeOutsideRoom":[0-9.]+,[^\n]*\}\n)")))
        << out;
    EXPECT_TRUE(std::regex_search(
        out,
        std::regex(
            R"(^\{"frames":[1-9][0-9]*,"seconds":[0-9.]+,"fps":\{"mean":[0-9.]+,.*"gl":\{"vendor":".*"processor":\{.*"memory":\{"totalPhysicalBytes":[1-9][0-9]*,.*\}\}\n)")))
        << out;
    EXPECT_EQ(stage.program().err().rfind("..\n", 0), 0u) << stage.program().err();
}

TEST(Timedemo, UnusableLengthIsOneLineAndExitTwo) {
    ProgramSetup setup;
    setup.arguments = {"-timedemo", "0"};
    XvfbServer xvfb;
    ProgramRun run(xvfb.display(), setup);
    EXPECT_EQ(run.process().waitExit(kExitLimit), std::optional<int>(2));
    EXPECT_EQ(run.err(), "Trovane: -timedemo takes a number of seconds above 0 and up to 86400, "
                         "not '0'\n");
}

} // namespace
} // namespace e2e
