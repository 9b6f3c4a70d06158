// How desktop library names become this platform's module files.
#include "platform/module/ModuleSearch.h"

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

} // namespace
} // namespace trovane::platform
