// The settings read from config.ini, the built-in ones, and the window's
// fallback for an unusable title or size.
#include "app/Settings.h"
#include "app/ConfigKeys.h"
#include "app/host/PluginLoader.h"
#include "sdk/OwnedObject.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace trovane {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(loader.Load("Lexmoor.dll")) << loader.error();
        parser.reset(static_cast<IniParser*>(loader.Create("IniParser")));
        ASSERT_NE(parser, nullptr);
    }

    Settings read(const std::string& text) {
        parser->Parse(text.c_str(), static_cast<int>(text.size()));
        return readSettings(*parser);
    }

    PluginLoader loader;
    plugin::Owned<IniParser> parser;
};

using SettingsRead = SettingsTest;

TEST_F(SettingsRead, SizesTruncateTowardZeroAndStayWithinInt) {
    const Settings settings = read("[Program]\nWidth = 640.9\nHeight = -1.5\n");
    EXPECT_EQ(settings.width, 640);
    EXPECT_EQ(settings.height, -1);
    EXPECT_EQ(read("[Program]\nWidth = 1e20\n").width, INT_MAX);
    EXPECT_EQ(read("[Program]\nHeight = -1e20\n").height, INT_MIN);
    EXPECT_EQ(read("[Program]\nWidth = inf\n").width, INT_MAX);
    EXPECT_EQ(read("[Program]\nWidth = nan\n").width, 0);
}

TEST_F(SettingsRead, SwitchesAreOnForAnyNumberButZero) {
    EXPECT_FALSE(read("[Program]\nStatistics = 0\n").statistics);
    EXPECT_TRUE(read("[Program]\nStatistics = 2\n").statistics);
    EXPECT_TRUE(read("[Program]\nStatistics = -0.5\n").statistics);
    EXPECT_FALSE(read("[Program]\nStatistics = yes\n").statistics);
    const Settings rendering =
        read("[Rendering]\nZ-Test = 0\nFrontToBack = 3\nCollisionDetection = 0.1\n");
    EXPECT_FALSE(rendering.zTest);
    EXPECT_TRUE(rendering.frontToBack);
    EXPECT_TRUE(rendering.collisionDetection);
}

TEST_F(SettingsRead, MissingKeysOfAReadFileGiveZeroOffAndNull) {
    const Settings settings = read("[Other]\nWidth = 5\nInput = Tactrel.dll\n");
    EXPECT_FALSE(settings.statistics);
    EXPECT_EQ(settings.width, 0);
    EXPECT_EQ(settings.height, 0);
    EXPECT_EQ(settings.title, nullptr);
    EXPECT_EQ(settings.input, nullptr);
    EXPECT_FALSE(settings.zTest);
    EXPECT_FALSE(settings.frontToBack);
    EXPECT_FALSE(settings.collisionDetection);
    EXPECT_EQ(settings.start, Vector3(0, 0, 0));
    // Except portal culling, which leaves the picture alone: on unless switched off.
    EXPECT_TRUE(settings.portalCulling);
    EXPECT_FALSE(read("[Rendering]\nPortalCulling = 0\n").portalCulling);
}

TEST_F(SettingsRead, TextsAreTheParsersOwnAndStartIsXYZ) {
    const Settings settings = read("[program]\ntitle = My Demo\n[PlugIns]\nInput = Other.dll\n"
                                   "[Level]\nStartX = 1\nStartY = 2\nStartZ = 3\n");
    EXPECT_STREQ(settings.title, "My Demo");
    EXPECT_EQ(settings.title, parser->GetString("Program.Title"));
    EXPECT_STREQ(settings.input, "Other.dll");
    EXPECT_EQ(settings.start, Vector3(1, 2, 3));
}

// "Section.Name" of every key a config.ini text sets, as written.
std::set<std::string> keysIn(const std::string& text) {
    std::set<std::string> found;
    std::istringstream lines(text);
    std::string section;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line[0] == '[') {
            section = line.substr(1, line.find(']') - 1);
        } else if (const auto equals = line.find(" = "); equals != std::string::npos) {
            found.insert(section + "." + line.substr(0, equals));
        }
    }
    return found;
}

TEST_F(SettingsRead, TheShippedFileGivesTheBuiltInSettingsAndHoldsTheTablesKeys) {
    std::ifstream file(TROVANE_SOURCE_DIR "/config.ini", std::ios::binary);
    ASSERT_TRUE(file) << "config.ini of the source tree";
    std::ostringstream shipped;
    shipped << file.rdbuf();
    EXPECT_TRUE(read(shipped.str()) == Settings{});
    std::set<std::string> table;
    for (const keys::Setting& setting : keys::kTable) {
        table.insert(setting.key);
    }
    EXPECT_EQ(keysIn(shipped.str()), table);
}

TEST(UsableWindow, KeepsUsableValuesAndReplacesEachUnusableOne) {
    const char* title = "Station";
    const WindowSettings kept = usableWindow(title, 640, 480);
    EXPECT_EQ(kept.title, title); // the caller's text, not a copy
    EXPECT_EQ(kept.width, 640);
    EXPECT_EQ(kept.height, 480);
    EXPECT_STREQ(usableWindow(nullptr, 640, 480).title, "Trovane");
    EXPECT_STREQ(usableWindow("", 1, 1).title, ""); // a title the user chose
    const WindowSettings zeroWidth = usableWindow("T", 0, 480);
    EXPECT_EQ(zeroWidth.width, 800);
    EXPECT_EQ(zeroWidth.height, 480);
    EXPECT_EQ(usableWindow("T", -1, 480).width, 800);
    EXPECT_EQ(usableWindow("T", 640, 0).height, 600);
    EXPECT_EQ(usableWindow("T", 640, INT_MIN).height, 600);
}

} // namespace
} // namespace trovane
