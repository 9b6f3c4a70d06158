// How desktop library names become this platform's module files.
#include "platform/module/ModuleSearch.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace trovane::platform {
namespace {

namespace fs = std::filesystem;

TEST(ModuleFileName, DllNamesBecomeModuleFiles) {
    EXPECT_EQ(moduleFileName("Lexmoor.dll"), "Lexmoor.so");
    EXPECT_EQ(moduleFileName("Tactrel.DLL"), "Tactrel.so");
    EXPECT_EQ(moduleFileName("plugins/Input.Dll"), "plugins/Input.so");
}

TEST(ModuleFileName, OtherNamesStayAsGiven) {
    EXPECT_EQ(moduleFileName("libm.so.6"), "libm.so.6");
    EXPECT_EQ(moduleFileName("/opt/x/Lexmoor.so"), "/opt/x/Lexmoor.so");
    EXPECT_EQ(moduleFileName("dll"), "dll");
    EXPECT_EQ(moduleFileName("Lexmoor.dll.bak"), "Lexmoor.dll.bak");
    EXPECT_EQ(moduleFileName(""), "");
}

TEST(ExecutableDirectory, IsTheFolderOfThisTestProgram) {
    const std::string folder = executableDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(fs::equivalent(folder, TROVANE_BINARY_DIR));
}

TEST(LocateModule, FindsDllNamesBesideTheProgramFirst) {
    EXPECT_EQ(locateModule("Lexmoor.dll"), executableDirectory() + "Lexmoor.so");
}

TEST(LocateModule, LeavesTheRestToTheNormalSearch) {
    EXPECT_EQ(locateModule("NoSuchLibrary.dll"), "NoSuchLibrary.so");
    // Only names written the desktop way are looked for beside the program.
    EXPECT_EQ(locateModule("Lexmoor.so"), "Lexmoor.so");
    EXPECT_EQ(locateModule("sub/Lexmoor.dll"), "sub/Lexmoor.so");
}

// An installed tree: <prefix>/bin/ for the program, <prefix>/lib/trovane/ for its modules.
TEST(LocateModule, InstalledModulesAreFoundBesideThenInLibTrovane) {
    const test::TempDir prefix;
    const std::string bin = (prefix / "bin").string() + "/";
    prefix.write("bin/Trovane", "");
    prefix.write("lib/trovane/Lexmoor.so", "");
    EXPECT_EQ(locateModule("Lexmoor.dll", bin), bin + "../lib/trovane/Lexmoor.so");
    prefix.write("bin/Lexmoor.so", "");
    EXPECT_EQ(locateModule("Lexmoor.dll", bin), bin + "Lexmoor.so");
    EXPECT_EQ(locateModule("Bastrel.dll", bin), "Bastrel.so");
    EXPECT_EQ(locateModule("Lexmoor.dll", ""), "Lexmoor.so");
}

} // namespace
} // namespace trovane::platform
