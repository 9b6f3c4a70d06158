// Reading the command line: the design's "-demo", the two informational
// switches, and arguments nobody takes.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
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

TEST(CommandLineUsage, NamesEverySwitch) {
    std::ostringstream out;
    printUsage(out);
    for (const char* name : {"-demo", "--help", "--version"}) {
        EXPECT_NE(out.str().find(name), std::string::npos) << name;
    }
}

} // namespace
} // namespace trovane
