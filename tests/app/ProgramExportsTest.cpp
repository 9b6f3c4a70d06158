// Trovane's own answers to the plug-in contract: those of the template library.
#include "sdk/Plugin.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <sstream>
#include <string>

namespace trovane {
namespace {

using namespace std::chrono_literals;

TEST(ProgramAnswers, DescribeASystemWithOneEngineInterface) {
    EXPECT_EQ(APIVersion(), 1);
    EXPECT_STREQ(ComponentType(), "System");
    EXPECT_STREQ(EnumerateInterfaces(0), "Engine");
    EXPECT_EQ(EnumerateInterfaces(1), nullptr);
    EXPECT_EQ(EnumerateInterfaces(UINT_MAX), nullptr);
    EXPECT_EQ(GetInterfaceID("Engine"), 0);
    EXPECT_EQ(GetInterfaceID("engine"), -1);
    EXPECT_EQ(GetInterfaceID(""), -1);
    EXPECT_EQ(GetInterfaceID(nullptr), -1);
}

TEST(ProgramAnswers, CreateNothingByNameOrIdentifier) {
    EXPECT_EQ(CreateInstance("Engine"), nullptr);
    EXPECT_EQ(CreateInstance("Default"), nullptr);
    EXPECT_EQ(CreateInstance(nullptr), nullptr);
    for (int id : {0, 1, -1, INT_MAX}) {
        EXPECT_EQ(CreateInstanceByID(id), nullptr) << id;
    }
}

// The names the dynamic symbol table of a file defines, listed by nm.
std::set<std::string> exportedNames(const std::filesystem::path& file) {
    const test::ProcessResult outcome =
        test::runProcess({"/usr/bin/nm", "-D", "--defined-only", file.string()}, 30s);
    std::set<std::string> names;
    std::istringstream lines(outcome.out);
    std::string address, kind, name;
    while (lines >> address >> kind >> name) {
        names.insert(name);
    }
    return names;
}

TEST(ProgramAnswers, TheBuiltProgramExportsTheContract) {
    if (!std::filesystem::exists("/usr/bin/nm")) {
        GTEST_SKIP() << "nm is not installed";
    }
    const std::set<std::string> names =
        exportedNames(std::filesystem::path(TROVANE_BINARY_DIR) / "Trovane");
    for (const char* name : {"APIVersion", "ComponentType", "GetInterfaceID", "CreateInstance",
                             "CreateInstanceByID", plugin::kEnumerateInterfacesSymbol}) {
        EXPECT_EQ(names.count(name), 1u) << name;
    }
    EXPECT_EQ(names.count("EnumerateInterfaces"), 0u);
}

} // namespace
} // namespace trovane
