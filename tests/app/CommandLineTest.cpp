// Reading the command line: the design's "-demo", the two informational
// switches, and arguments nobody takes.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

namespace trovane {
namespace {

CommandLine parse(std::vector<const char*> args) {
    args.insert(args.begin(), "Trovane");
    return parseCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(CommandLineDemo, OnlyWhenItIsTheSingleArgument) {
    EXPECT_TRUE(parse({"-demo"}).demo);
    EXPECT_FALSE(parse({}).demo);
    EXPECT_FALSE(parse({"-demo", "-demo"}).demo);
    EXPECT_FALSE(parse({"-demo", "extra"}).demo);
    EXPECT_FALSE(parse({"-Demo"}).demo);
    EXPECT_FALSE(parse({"--demo"}).demo);
}

TEST(CommandLineInformation, HelpAndVersionAreRecognised) {
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"-h"}).help);
    EXPECT_TRUE(parse({"-demo", "--version"}).version);
    const CommandLine plain = parse({"-demo"});
    EXPECT_FALSE(plain.help);
    EXPECT_FALSE(plain.version);
    EXPECT_EQ(versionLine().rfind("Trovane ", 0), 0u);
    EXPECT_GT(versionLine().size(), std::string("Trovane ").size());
}

TEST(CommandLineUnknown, EachIsKeptAndWarnedAboutOnce) {
    const CommandLine commandLine = parse({"--fast", "-demo", "7"});
    EXPECT_EQ(commandLine.unknown, (std::vector<std::string>{"--fast", "7"}));
    EXPECT_FALSE(commandLine.help);
    std::ostringstream err;
    warnUnknownArguments(commandLine, err);
    EXPECT_EQ(err.str(), "Trovane: ignoring unknown argument '--fast' (see --help)\n"
                         "Trovane: ignoring unknown argument '7' (see --help)\n");
}

TEST(CommandLineTimedemo, TakesAnOptionalLengthInSeconds) {
    const CommandLine plain = parse({"-timedemo"});
    EXPECT_TRUE(plain.timedemo);
    EXPECT_EQ(plain.timedemoSeconds, 10.0);
    EXPECT_TRUE(plain.error.empty());
    const CommandLine timed = parse({"-timedemo", "2.5", "--json"});
    EXPECT_EQ(timed.timedemoSeconds, 2.5);
    EXPECT_TRUE(timed.json);
    EXPECT_TRUE(timed.unknown.empty());
    // A following switch is not taken for the length.
    const CommandLine thenStation = parse({"-timedemo", "-station", "3"});
    EXPECT_EQ(thenStation.timedemoSeconds, 10.0);
    EXPECT_EQ(thenStation.station, 3);
    for (const char* bad : {"0", "-1", "1e9", "3s", "nan"}) {
        const CommandLine refused = parse({"-timedemo", bad});
        // "nan" is no number at all: the default length, and an unknown argument.
        EXPECT_EQ(refused.error.empty(), std::string(bad) == "nan") << bad;
    }
}

TEST(CommandLineShots, AscendingSecondsWithinTheTimedemo) {
    const CommandLine shots = parse({"-timedemo", "5", "--shots", "2.5,0,5"});
    EXPECT_TRUE(shots.error.empty()) << shots.error;
    EXPECT_EQ(shots.shots, (std::vector<double>{0.0, 2.5, 5.0}));
    // The length may follow the list: the times are checked against it at the end.
    EXPECT_EQ(parse({"--shots", "12", "-timedemo", "20"}).shots, std::vector<double>{12.0});
    const std::string rule = "Trovane: --shots takes seconds of flight from 0 up to the -timedemo "
                             "length, separated by commas (0,2.5,10), ";
    EXPECT_EQ(parse({"-timedemo", "--shots"}).error, rule + "and none was given");
    // The list, and the item of it that is no time.
    for (const auto& [list, item] : std::vector<std::pair<const char*, const char*>>{
             {"1,,2", ""}, {"x", "x"}, {"-1", "-1"}, {"-0", "-0"}, {"1;2", "1;2"}, {"3,", ""}}) {
        EXPECT_EQ(parse({"-timedemo", "5", "--shots", list}).error, rule + "not '" + item + "'")
            << list;
    }
    EXPECT_EQ(parse({"-timedemo", "5", "--shots", "1,5.5"}).error,
              "Trovane: --shots time 5.5 is beyond the 5 s of the -timedemo run");
    EXPECT_EQ(parse({"--shots", "1"}).error,
              "Trovane: --shots saves frames of a -timedemo run, and none was asked for");
}

TEST(CommandLineStation, WholeNumbersFromOneTo100000) {
    EXPECT_EQ(parse({}).station, 1);
    EXPECT_EQ(parse({"-station", "1"}).station, 1);
    EXPECT_EQ(parse({"-station", "100000"}).station, 100000);
    for (const char* bad : {"0", "100001", "-3", "7.0", "x", "99999999999"}) {
        const CommandLine refused = parse({"-station", bad});
        EXPECT_EQ(refused.error, std::string("Trovane: -station takes a whole number from 1 to "
                                             "100000, not '") +
                                     bad + "'")
            << bad;
    }
    EXPECT_EQ(parse({"-station"}).error,
              "Trovane: -station takes a whole number from 1 to 100000, and none was given");
}

TEST(CommandLineScreensaver, WindowIdsDecimalOrHexAndTheRoot) {
    EXPECT_FALSE(parse({}).screensaver.chosen());
    EXPECT_EQ(parse({"--window-id", "2097164"}).screensaver.windowId, 2097164u);
    EXPECT_EQ(parse({"--window-id", "0x20000c"}).screensaver.windowId, 0x20000cu);
    EXPECT_EQ(parse({"--window-id", "0X1A"}).screensaver.windowId, 0x1au);
    const CommandLine root = parse({"--root"});
    EXPECT_TRUE(root.screensaver.root);
    EXPECT_TRUE(root.screensaver.chosen());
    EXPECT_TRUE(root.error.empty());
    const std::string rule = "Trovane: --window-id takes an X window number, decimal or 0x hex, ";
    for (const char* bad : {"abc", "0", "0x", "-5", "12abc", "0x1g", "4294967296", " 7"}) {
        const CommandLine refused = parse({"--window-id", bad});
        EXPECT_EQ(refused.error, rule + "not '" + bad + "'") << bad;
        EXPECT_FALSE(refused.screensaver.chosen()) << bad;
    }
    EXPECT_EQ(parse({"--window-id"}).error, rule + "and none was given");
}

TEST(CommandLineScreensaver, TheDaemonsVariableOnlyWhenNoOptionChoseAWindow) {
    CommandLine plain = parse({});
    useScreensaverWindowVariable(plain, nullptr);
    EXPECT_FALSE(plain.screensaver.chosen()) << "unset: the usual start";
    useScreensaverWindowVariable(plain, "0x400007");
    EXPECT_EQ(plain.screensaver.windowId, 0x400007u);

    CommandLine given = parse({"--window-id", "12"});
    useScreensaverWindowVariable(given, "34");
    EXPECT_EQ(given.screensaver.windowId, 12u);
    CommandLine root = parse({"--root"});
    useScreensaverWindowVariable(root, "34");
    EXPECT_EQ(root.screensaver.windowId, 0u);

    CommandLine bad = parse({});
    useScreensaverWindowVariable(bad, "window");
    EXPECT_EQ(bad.error, "Trovane: XSCREENSAVER_WINDOW takes an X window number, decimal or 0x "
                         "hex, not 'window'");
}

TEST(CommandLineUsage, NamesEverySwitch) {
    std::ostringstream out;
    printUsage(out);
    for (const char* name : {"-demo", "--help", "--version", "-station", "-timedemo", "--json",
                             "--shots", "--root", "--window-id"}) {
        EXPECT_NE(out.str().find(name), std::string::npos) << name;
    }
}

} // namespace
} // namespace trovane
