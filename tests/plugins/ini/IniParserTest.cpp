// Lexmoor's "IniParser", loaded from the built library.
#include "sdk/IniParser.h"
#include "app/host/PluginLoader.h"
#include "sdk/OwnedObject.h"
#include "tests/plugins/support/ContractExpectations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

namespace trovane {
namespace {

class IniTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(loader.Load("Lexmoor.dll")) << loader.error();
        parser = newParser();
        ASSERT_NE(parser, nullptr);
    }

    plugin::Owned<IniParser> newParser() {
        return plugin::Owned<IniParser>(static_cast<IniParser*>(loader.Create("IniParser")));
    }

    // Parses text as the program does: with its length and its terminator.
    bool parse(const std::string& text) {
        return parser->Parse(text.c_str(), static_cast<int>(text.size()));
    }

    // The stored value, or "<null>" when there is none.
    std::string value(const char* name) {
        const char* text = parser->GetString(name);
        return text != nullptr ? std::string(text) : std::string("<null>");
    }

    PluginLoader loader;
    plugin::Owned<IniParser> parser;
};

using IniNames = IniTest;
using IniComments = IniTest;
using IniSections = IniTest;
using IniValues = IniTest;
using IniNumbers = IniTest;
using IniLineEnds = IniTest;
using IniTextBounds = IniTest;
using IniRepeatedParse = IniTest;

TEST(LexmoorContract, DeclaresAndCreatesIniParser) {
    const test::ContractProbe probe("Lexmoor.dll");
    test::expectContract(probe, {"IO", {{"IniParser", true}}});
}

TEST_F(IniNames, SectionAndKeyAreFoundInAnyCaseWithOuterBlanks) {
    ASSERT_TRUE(parse("[Program]\nWidth = 800\n"));
    EXPECT_EQ(parser->GetFloat("Program.Width"), 800.0f);
    EXPECT_EQ(value("Program.Width"), "800");
    EXPECT_EQ(value("PROGRAM.WIDTH"), "800");
    EXPECT_EQ(value("  program.width  "), "800");
    EXPECT_EQ(value("Width"), "<null>");
}

TEST_F(IniNames, KeyBeforeAnySectionHasNoPrefix) {
    parse("Title=Demo\n[Program]\n");
    EXPECT_EQ(value("Title"), "Demo");
    EXPECT_EQ(value("program.title"), "<null>");
}

TEST_F(IniNames, BlanksInsideBracketsBelongToTheSectionName) {
    parse("[ Program ]\nWidth = 1\n[Level ]\nStartX = 2\n");
    EXPECT_EQ(value("Program.Width"), "<null>");
    EXPECT_EQ(value("level .startx"), "2");
    EXPECT_EQ(value("level.startx"), "<null>");
}

TEST_F(IniNames, EmptyKeyIsSectionAndPoint) {
    parse("=4\n[program]\n=5\n");
    EXPECT_EQ(value(""), "4");
    EXPECT_EQ(value("program."), "5");
}

TEST_F(IniNames, EmptyBracketsEndTheSection) {
    parse("[A]\nx = 1\n[]\ny = 2\n");
    EXPECT_EQ(value("a.x"), "1");
    EXPECT_EQ(value("y"), "2");
    EXPECT_EQ(value("a.y"), "<null>");
}

TEST_F(IniNames, LowerCasingChangesOnlyAsciiLetters) {
    parse("[\xC3\x84Sec]\nK\xC3\x96y = 1\n");
    EXPECT_EQ(value("\xC3\x84SEC.K\xC3\x96Y"), "1");
    EXPECT_EQ(value("\xC3\xA4sec.k\xC3\xB6y"), "<null>");
}

TEST_F(IniNames, NullNameGivesNullAndZero) {
    parse("a = 1\n");
    EXPECT_EQ(parser->GetString(nullptr), nullptr);
    EXPECT_EQ(parser->GetFloat(nullptr), 0.0f);
    EXPECT_EQ(parser->GetFloat("missing"), 0.0f);
}

TEST_F(IniComments, HashCutsTheLineEvenInsideAValue) {
    parse("Title = My Demo # first version\nColor = #fff\n");
    EXPECT_EQ(value("Title"), "My Demo");
    EXPECT_EQ(value("Color"), "");
}

TEST_F(IniComments, HashInsideBracketsSpoilsTheSectionLine) {
    parse("[Old]\n[Main#1]\nkey = 1\n");
    EXPECT_EQ(value("old.key"), "1");
    EXPECT_EQ(value("main.key"), "<null>");
}

TEST_F(IniComments, OnlyHashStartsAComment) {
    parse("# x = 1\n; y = 2\n");
    EXPECT_EQ(value("x"), "<null>");
    EXPECT_EQ(value("; y"), "2");
}

TEST_F(IniSections, ValueWithBothBracketsMakesASectionLine) {
    parse("[A]\nlist = [1] \nk = 2\n");
    EXPECT_EQ(value("a.list"), "<null>");
    EXPECT_EQ(value("1.k"), "2");
}

TEST_F(IniSections, TextAroundTheBracketsIsIgnored) {
    parse("xx [Sec] yy = 3\nk = 1\n");
    EXPECT_EQ(value("sec.k"), "1");
    EXPECT_EQ(value("xx"), "<null>");
}

TEST_F(IniSections, CloseBeforeOpenTakesTheRestOfTheLine) {
    parse("] junk [Rest Of Line\nk = 1\n");
    EXPECT_EQ(value("rest of line.k"), "1");
}

TEST_F(IniSections, OneBracketAloneIsNoSection) {
    parse("[Sec\na = [b\nc = d]\n");
    EXPECT_EQ(value("a"), "[b");
    EXPECT_EQ(value("c"), "d]");
}

TEST_F(IniValues, LineWithoutEqualsIsIgnored) {
    parse("just words\n[S]\nmore words\nk = 1\n");
    EXPECT_EQ(value("just words"), "<null>");
    EXPECT_EQ(value("s.more words"), "<null>");
    EXPECT_EQ(value("s.k"), "1");
}

TEST_F(IniValues, LaterEqualsSignsBelongToTheValue) {
    parse("k = a=b = c\n");
    EXPECT_EQ(value("k"), "a=b = c");
}

TEST_F(IniValues, ValuesKeepTheirCase) {
    parse("k = MixedCase\n");
    EXPECT_EQ(value("k"), "MixedCase");
}

TEST_F(IniValues, OnlyBlanksAreTrimmed) {
    parse("k =\t42\t\n\tt = 1\n");
    EXPECT_EQ(value("k"), "\t42\t");
    EXPECT_EQ(parser->GetFloat("k"), 42.0f);
    EXPECT_EQ(value("\tt"), "1");
    EXPECT_EQ(value("t"), "<null>");
}

TEST_F(IniValues, EmptyValueIsEmptyTextNotMissing) {
    parse("k =\nblank =    \n   =   \n");
    EXPECT_EQ(value("k"), "");
    EXPECT_EQ(value("blank"), "");
    EXPECT_EQ(value(""), "");
    EXPECT_EQ(parser->GetFloat("k"), 0.0f);
}

TEST_F(IniValues, LaterAssignmentWins) {
    parse("[S]\nk = 1\n[Other]\n[s]\nK = 2\n");
    EXPECT_EQ(value("s.k"), "2");
}

TEST_F(IniNumbers, ConversionStopsAtTheFirstCharacterThatDoesNotFit) {
    parse("a = 12abc\nb = abc\nc = -1.5e2x\nd = 1,5\ne = 0x10\nf = +.5\n");
    EXPECT_EQ(parser->GetFloat("a"), 12.0f);
    EXPECT_EQ(parser->GetFloat("b"), 0.0f);
    EXPECT_EQ(parser->GetFloat("c"), -150.0f);
    EXPECT_EQ(parser->GetFloat("d"), 1.0f);
    EXPECT_EQ(parser->GetFloat("e"), 16.0f);
    EXPECT_EQ(parser->GetFloat("f"), 0.5f);
}

TEST_F(IniNumbers, WidthsTruncateLater) {
    parse("w = 640.9\nn = -1.5\nbig = 1e300\n");
    EXPECT_FLOAT_EQ(parser->GetFloat("w"), 640.9f);
    EXPECT_EQ(parser->GetFloat("n"), -1.5f);
    EXPECT_TRUE(std::isinf(parser->GetFloat("big")));
}

TEST_F(IniLineEnds, EveryKindOfLineEndGivesTheSameEntries) {
    const char* texts[] = {
        "[S]\r\na = 1\r\n\r\nb = 2\r\n",
        "[S]\na = 1\n\n\nb = 2",
        "[S]\ra = 1\r\r\rb = 2\r",
        "\n\r\n[S]\n\r\r\na = 1\n\n\r\nb = 2\n\n",
    };
    for (const char* text : texts) {
        plugin::Owned<IniParser> fresh = newParser();
        ASSERT_NE(fresh, nullptr);
        EXPECT_TRUE(fresh->Parse(text, static_cast<int>(std::strlen(text))));
        EXPECT_STREQ(fresh->GetString("s.a"), "1") << text;
        EXPECT_STREQ(fresh->GetString("s.b"), "2") << text;
        EXPECT_EQ(fresh->GetString("s.a\r"), nullptr);
    }
}

TEST_F(IniTextBounds, NullOrEmptyTextStoresNothing) {
    EXPECT_TRUE(parser->Parse(nullptr, 0));
    EXPECT_TRUE(parser->Parse(nullptr, 100));
    EXPECT_TRUE(parser->Parse("", 0));
    EXPECT_EQ(value(""), "<null>");
}

TEST_F(IniTextBounds, PositiveLengthBoundsATextWithoutTerminator) {
    const std::string text = "[S]\nk = 12345";
    // Exactly the characters, no terminator: ASan reports any read past them.
    auto buffer = std::make_unique<char[]>(text.size());
    std::memcpy(buffer.get(), text.data(), text.size());
    EXPECT_TRUE(parser->Parse(buffer.get(), static_cast<int>(text.size())));
    EXPECT_EQ(value("s.k"), "12345");
}

TEST_F(IniTextBounds, ReadingStopsAtTheLengthOrTheFirstNul) {
    parser->Parse("a = 1\nb = 2", 5);
    parser->Parse("c = 3\0d = 4", 11);
    EXPECT_EQ(value("a"), "1");
    EXPECT_EQ(value("b"), "<null>");
    EXPECT_EQ(value("c"), "3");
    EXPECT_EQ(value("d"), "<null>");
}

TEST_F(IniTextBounds, NoLengthReadsToTheTerminator) {
    parser->Parse("a = 1\nb = 2", 0);
    parser->Parse("c = 3\nd = 4", -1);
    EXPECT_EQ(value("b"), "2");
    EXPECT_EQ(value("d"), "4");
}

TEST_F(IniRepeatedParse, LaterParseAddsAndStartsOutsideAnySection) {
    parse("[S]\na = 1\nb = 1\n");
    parse("c = 2\n[S]\nb = 3\n");
    EXPECT_EQ(value("s.a"), "1");
    EXPECT_EQ(value("c"), "2");
    EXPECT_EQ(value("s.c"), "<null>");
    EXPECT_EQ(value("s.b"), "3");
}

TEST_F(IniRepeatedParse, ValuesOfOtherEntriesStayWhereTheyWere) {
    parse("[S]\na = kept\n");
    const char* before = parser->GetString("s.a");
    for (int i = 0; i < 100; ++i) {
        parse("[T]\nk" + std::to_string(i) + " = " + std::to_string(i) + "\n");
    }
    EXPECT_EQ(parser->GetString("s.a"), before);
    EXPECT_STREQ(before, "kept");
}

} // namespace
} // namespace trovane
