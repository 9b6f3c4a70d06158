// Start-up as the user sees it: the console text, then the window and its
// frame-rate caption.
#include "Stage.h"
#include "app/KeyReference.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace e2e {
namespace {

// The text itself is checked word for word by the start-up unit tests; here
// it must reach the console of the real program.
const std::vector<std::string> kKeyReference(trovane::keyReference.begin(),
                                             trovane::keyReference.end());

const std::vector<std::string> kProgressLines = {
    "Initialize I/O ...\n",
    "Initialize Morvex ...\n",
    "Initialize OpenGL ...\n",
};

// Where each text starts in out, searching on from the end of the one
// before; npos for a text not found in that order.
std::vector<std::size_t> positionsInOrder(const std::string& out,
                                          const std::vector<std::string>& texts,
                                          std::size_t from = 0) {
    std::vector<std::size_t> positions;
    for (const auto& text : texts) {
        std::size_t at = out.find(text, from);
        positions.push_back(at);
        if (at == std::string::npos) {
            break;
        }
        from = at + text.size();
    }
    return positions;
}

bool allFound(const std::vector<std::size_t>& positions, std::size_t count) {
    if (positions.size() != count) {
        return false;
    }
    for (std::size_t at : positions) {
        if (at == std::string::npos) {
            return false;
        }
    }
    return true;
}

TEST(StartupOutput, KeyReferenceThenProgressLinesAreOutBeforeTheWindowShows) {
    Stage stage;
    ASSERT_TRUE(stage.window()) << stage.program().err();
    // Read the moment the window is found: nothing printed later counts.
    std::string out = stage.program().out();

    std::vector<std::size_t> keys = positionsInOrder(out, kKeyReference);
    ASSERT_TRUE(allFound(keys, kKeyReference.size())) << out;
    // The title line and an empty line come first.
    EXPECT_GT(keys.front(), 0u);
    EXPECT_EQ(out.substr(keys.front() - 2, 2), "\n\n") << out;

    std::vector<std::size_t> progress =
        positionsInOrder(out, kProgressLines, keys.back() + kKeyReference.back().size());
    EXPECT_TRUE(allFound(progress, kProgressLines.size())) << out;
}

TEST(StartupOutput, StatisticsOffPrintsNoProgressLines) {
    ProgramSetup setup;
    (*setup.settings)["Program.Statistics"] = "0";
    Stage stage(setup);
    ASSERT_TRUE(stage.window()) << stage.program().err();
    std::string out = stage.program().out();
    EXPECT_TRUE(allFound(positionsInOrder(out, kKeyReference), kKeyReference.size())) << out;
    EXPECT_EQ(out.find("Initialize"), std::string::npos) << out;
}

TEST(Caption, ReadsTheTitleThenTheFramesOfTheLastSecond) {
    ProgramSetup setup;
    (*setup.settings)["Program.Title"] = "Morvex Flight";
    Stage stage(setup);
    ASSERT_TRUE(stage.window()) << stage.program().err();
    std::regex caption(R"(Morvex Flight \(([0-9]+) fps\))");
    std::optional<std::string> name =
        stage.x().waitForName(*stage.window(), caption, Milliseconds(10000));
    ASSERT_TRUE(name) << stage.x().windowName(*stage.window());
    std::smatch match;
    ASSERT_TRUE(std::regex_match(*name, match, caption));
    // Frames are drawn back to back; even a loaded machine draws a few.
    EXPECT_GT(std::stoi(match[1]), 0) << *name;
}

TEST(Caption, MissingTitleFallsBackToTheProgramName) {
    ProgramSetup setup;
    (*setup.settings)["Program.Title"] = "";
    Stage stage(setup);
    ASSERT_TRUE(stage.window()) << stage.program().err();
    EXPECT_TRUE(stage.x().waitForName(*stage.window(), std::regex(R"(Trovane \([0-9]+ fps\))"),
                                      Milliseconds(10000)))
        << stage.x().windowName(*stage.window());
}

} // namespace
} // namespace e2e
