// The program settings read at start-up, and the built-in defaults.
#include "app/ConfigKeys.h"
#include "app/DefaultSettings.h"
#include "app/PluginLoader.h"
#include "app/Startup.h"
#include "sdk/OwnedObject.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace trovane {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(loader.Load("Lexmoor.dll")) << loader.error();
        parser = newParser();
        ASSERT_NE(parser, nullptr);
    }

    plugin::Owned<IniParser> newParser() {
        return plugin::Owned<IniParser>(static_cast<IniParser*>(loader.Create("IniParser")));
    }

    ProgramSettings read(const std::string& text) {
        parser->Parse(text.c_str(), static_cast<int>(text.size()));
        return readProgramSettings(*parser);
    }

    PluginLoader loader;
    plugin::Owned<IniParser> parser;
};

using ProgramSettingsRead = SettingsTest;
using BuiltInDefaults = SettingsTest;

TEST_F(ProgramSettingsRead, SizesTruncateTowardZero) {
    const ProgramSettings settings = read("[Program]\nWidth = 640.9\nHeight = -1.5\n");
    EXPECT_EQ(settings.width, 640);
    EXPECT_EQ(settings.height, -1);
}

TEST_F(ProgramSettingsRead, SizesBeyondIntStayAtItsEnds) {
    EXPECT_EQ(read("[Program]\nWidth = 1e20\nHeight = -1e20\n").width, INT_MAX);
    EXPECT_EQ(read("[Program]\nHeight = -1e20\n").height, INT_MIN);
    EXPECT_EQ(read("[Program]\nWidth = inf\n").width, INT_MAX);
    EXPECT_EQ(read("[Program]\nWidth = nan\n").width, 0);
}

TEST_F(ProgramSettingsRead, StatisticsIsOnForAnyNumberButZero) {
    EXPECT_FALSE(read("").showStatistics);
    EXPECT_FALSE(read("[Program]\nStatistics = 0\n").showStatistics);
    EXPECT_TRUE(read("[Program]\nStatistics = 2\n").showStatistics);
    EXPECT_TRUE(read("[Program]\nStatistics = -0.5\n").showStatistics);
    EXPECT_FALSE(read("[Program]\nStatistics = yes\n").showStatistics);
}

TEST_F(ProgramSettingsRead, MissingKeysGiveZeroAndNoTitle) {
    const ProgramSettings settings = read("[Other]\nWidth = 5\n");
    EXPECT_EQ(settings.width, 0);
    EXPECT_EQ(settings.height, 0);
    EXPECT_EQ(settings.title, nullptr);
}

TEST_F(ProgramSettingsRead, TitleIsTheParsersOwnText) {
    const ProgramSettings settings = read("[program]\ntitle = My Demo\n");
    EXPECT_STREQ(settings.title, "My Demo");
    EXPECT_EQ(settings.title, parser->GetString("Program.Title"));
}

// A parser that notes which names are asked for, in order.
class RecordingParser final : public IniParser {
public:
    void Release() override {}
    bool Parse(const char*, int) override { return true; }
    const char* GetString(const char* name) override {
        asked.emplace_back(name);
        return nullptr;
    }
    float GetFloat(const char* name) override {
        asked.emplace_back(name);
        return 0.0f;
    }
    std::vector<std::string> asked;
};

TEST(ProgramSettingsOrder, KeysAreReadInStartupOrder) {
    RecordingParser recorder;
    readProgramSettings(recorder);
    EXPECT_EQ(recorder.asked, (std::vector<std::string>{"Program.Statistics", "Program.Height",
                                                        "Program.Width", "Program.Title"}));
}

TEST_F(BuiltInDefaults, HoldEveryKeyOfTheShippedConfigFile) {
    std::ifstream file(TROVANE_SOURCE_DIR "/config.ini", std::ios::binary);
    ASSERT_TRUE(file) << "config.ini of the source tree";
    std::ostringstream shipped;
    shipped << file.rdbuf();
    const std::string shippedText = shipped.str();
    plugin::Owned<IniParser> fromFile = newParser();
    fromFile->Parse(shippedText.c_str(), static_cast<int>(shippedText.size()));
    parser->Parse(defaultSettingsText, static_cast<int>(sizeof defaultSettingsText - 1));
    for (const char* key : keys::kAll) {
        const char* builtIn = parser->GetString(key);
        ASSERT_NE(builtIn, nullptr) << key;
        ASSERT_NE(fromFile->GetString(key), nullptr) << key;
        EXPECT_STREQ(builtIn, fromFile->GetString(key)) << key;
    }
}

TEST_F(BuiltInDefaults, GiveAWorkingWindow) {
    const ProgramSettings settings = read(defaultSettingsText);
    EXPECT_STREQ(settings.title, "Trovane");
    EXPECT_EQ(settings.width, 800);
    EXPECT_EQ(settings.height, 600);
    EXPECT_TRUE(settings.showStatistics);
    EXPECT_STREQ(parser->GetString(keys::kPlugInsInput), "Tactrel.dll");
    EXPECT_EQ(parser->GetFloat(keys::kRenderingZTest), 1.0f);
    EXPECT_EQ(parser->GetFloat(keys::kRenderingFrontToBack), 0.0f);
    EXPECT_EQ(parser->GetFloat(keys::kRenderingCollisionDetection), 1.0f);
    EXPECT_EQ(parser->GetFloat(keys::kLevelStartX), 7.5f);
    EXPECT_EQ(parser->GetFloat(keys::kLevelStartY), 5.5f);
    EXPECT_EQ(parser->GetFloat(keys::kLevelStartZ), 4.5f);
}

} // namespace
} // namespace trovane
