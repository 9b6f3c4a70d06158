// -station N: the program starts with the Nth station of the sequence, in its
// start room, and the wheel button goes on with N + 1; checked against the
// stations trovane-map prints.
#include "FrameViews.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace e2e::frame {
namespace {

// The cell codes of the first count stations, as trovane-map prints them.
std::vector<std::string> mapCells(int count) {
    const ProcessResult map = runProcess(
        {std::string(TROVANE_BINARY_DIR) + "/trovane-map", "--json", std::to_string(count)},
        Milliseconds(30000));
    EXPECT_TRUE(map.succeeded()) << map.err;
    std::vector<std::string> cells;
    const std::regex station(R"re("cells":"([.#SET]{512})")re");
    for (std::sregex_iterator it(map.out.begin(), map.out.end(), station), end; it != end; ++it) {
        cells.push_back((*it)[1].str());
    }
    return cells;
}

// The stations the program reported flying (TROVANE_STATION_LOG), in order.
std::vector<std::string> flownCells(const std::string& err) {
    std::vector<std::string> cells;
    const std::regex line(R"(station cells ([.#SET]{512}))");
    for (std::sregex_iterator it(err.begin(), err.end(), line), end; it != end; ++it) {
        cells.push_back((*it)[1].str());
    }
    return cells;
}

// Where the first station's start room is; the place -station 1 starts from.
// The tests' build of the program reports the stations it flies.
ProgramSetup startingStation(int n) {
    ProgramSetup setup = startingAt("7.5", "5.5", "4.5");
    setup.executable = "TrovaneLogging";
    setup.environment["TROVANE_STATION_LOG"] = "1";
    if (n != 1) {
        setup.arguments = {"-station", std::to_string(n)};
    }
    return setup;
}

TEST(StationChoice, SevenStartsElsewhereAndTheWheelButtonGivesEight) {
    const std::vector<std::string> expected = mapCells(8);
    ASSERT_EQ(expected.size(), 8u);

    std::optional<Image> first;
    {
        FrameStage one(startingStation(1));
        ASSERT_TRUE(one.ready()) << one.stage().program().err();
        first = one.shot("station-1.png");
        ASSERT_TRUE(first);
        ASSERT_FALSE(flownCells(one.stage().program().err()).empty());
        EXPECT_EQ(flownCells(one.stage().program().err()).front(), expected[0]);
    }

    FrameStage seven(startingStation(7));
    ASSERT_TRUE(seven.ready()) << seven.stage().program().err();
    const std::optional<Image> start = seven.shot("station-7.png");
    ASSERT_TRUE(start);
    EXPECT_GT(seven.sceneDifferences(*first, *start), seven.scenePixels() / 10);
    ASSERT_FALSE(flownCells(seven.stage().program().err()).empty());
    EXPECT_EQ(flownCells(seven.stage().program().err()).front(), expected[6]);

    for (int attempt = 0; attempt < 4; ++attempt) {
        seven.holdButton(2);
        for (int wait = 0; wait < 20; ++wait) {
            if (flownCells(seven.stage().program().err()).size() >= 2) {
                break;
            }
            sleepFor(Milliseconds(200));
        }
        if (flownCells(seven.stage().program().err()).size() >= 2) {
            break;
        }
    }
    const std::vector<std::string> flown = flownCells(seven.stage().program().err());
    ASSERT_GE(flown.size(), 2u);
    EXPECT_EQ(flown[1], expected[7]);
}

// The lines are the tests' build's alone: the shipped program reads neither variable.
TEST(StationChoice, ShippedProgramReportsNothing) {
    ProgramSetup setup = startingStation(1);
    setup.executable = "Trovane";
    setup.environment["TROVANE_FIRST_FRAME_LOG"] = "1";
    FrameStage stage(setup);
    ASSERT_TRUE(stage.ready()) << stage.stage().program().err();
    const std::string err = stage.stage().program().err();
    EXPECT_TRUE(flownCells(err).empty()) << err;
    EXPECT_EQ(err.find("first frame presented"), std::string::npos) << err;
}

TEST(StationChoice, NumberOutsideTheRangeIsOneLineAndExitTwo) {
    XvfbServer xvfb;
    for (const char* bad : {"0", "100001", "7x"}) {
        ProgramSetup setup;
        setup.arguments = {"-station", bad};
        ProgramRun run(xvfb.display(), setup);
        EXPECT_EQ(run.process().waitExit(kExitLimit), std::optional<int>(2)) << bad;
        EXPECT_EQ(run.err(), std::string("Trovane: -station takes a whole number from 1 to "
                                         "100000, not '") +
                                 bad + "'\n");
    }
}

} // namespace
} // namespace e2e::frame
