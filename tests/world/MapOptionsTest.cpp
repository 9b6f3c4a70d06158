#include "tools/station_map/MapOptions.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace trovane {
namespace {

ParsedArguments parse(std::vector<std::string_view> arguments) {
    return parseMapArguments(arguments);
}

TEST(MapOptions, CountRangeRunsFromOneToTheCap) {
    ASSERT_TRUE(parse({"1"}).options);
    EXPECT_EQ(parse({"1"}).options->count, 1);
    ASSERT_TRUE(parse({"100000"}).options);
    EXPECT_EQ(parse({"100000"}).options->count, 100000);
    EXPECT_FALSE(parse({"100001"}).options);
    EXPECT_FALSE(parse({"0"}).options);
    EXPECT_FALSE(parse({"4294967297"}).options); // would wrap to 1 in 32 bits
}

TEST(MapOptions, DefaultsToOneReadableStation) {
    const ParsedArguments parsed = parse({});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->count, 1);
    EXPECT_FALSE(parsed.options->json);
}

TEST(MapOptions, JsonFlagMayComeBeforeOrAfterTheCount) {
    for (const auto& arguments : {std::vector<std::string_view>{"--json", "7"},
                                  std::vector<std::string_view>{"7", "--json"}}) {
        const ParsedArguments parsed = parse(arguments);
        ASSERT_TRUE(parsed.options);
        EXPECT_TRUE(parsed.options->json);
        EXPECT_EQ(parsed.options->count, 7);
    }
}

TEST(MapOptions, ErrorsNameTheOffendingArgument) {
    EXPECT_NE(parse({"-3"}).error.find("\"-3\""), std::string::npos);
    EXPECT_NE(parse({"--x"}).error.find("unknown option \"--x\""), std::string::npos);
    EXPECT_NE(parse({"2", "3"}).error.find("more than one"), std::string::npos);
    EXPECT_TRUE(parse({"-h"}).help);
}

} // namespace
} // namespace trovane
