// Loading libraries on Windows: names as configured, the decorated export,
// and failures that say which file and why on one line.
#include "platform/module/DynamicLibrary.h"
#include "platform/module/ModuleSearch.h"
#include "sdk/Plugin.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace trovane::platform {
namespace {

TEST(Win32DynamicLibrary, LoadsTheConfiguredNameBesideTheProgram) {
    EXPECT_EQ(moduleFileName("Lexmoor.dll"), "Lexmoor.dll");
    EXPECT_EQ(locateModule("Tactrel.dll"), "Tactrel.dll");
    DynamicLibrary library;
    ASSERT_TRUE(library.open("Shadrel.dll")) << library.error();
    EXPECT_EQ(library.path(), executableDirectory() + "Shadrel.dll");
    EXPECT_TRUE(DynamicLibrary::isLoaded(library.path()));
    const auto componentType = library.function<plugin::ComponentTypeFn>("ComponentType");
    ASSERT_NE(componentType, nullptr);
    EXPECT_STREQ(componentType(), "System");
    EXPECT_EQ(library.symbol("NoSuchExport"), nullptr);
    const std::string path = library.path();
    library.close();
    EXPECT_FALSE(DynamicLibrary::isLoaded(path));
}

TEST(Win32DynamicLibrary, EnumerateInterfacesCarriesTheToolchainsDecoration) {
    DynamicLibrary library;
    ASSERT_TRUE(library.open("Shadrel.dll")) << library.error();
    const auto enumerate =
        library.function<plugin::EnumerateInterfacesFn>(plugin::kEnumerateInterfacesSymbol);
    ASSERT_NE(enumerate, nullptr);
    EXPECT_STREQ(enumerate(0), "Engine");
    EXPECT_EQ(library.symbol("EnumerateInterfaces"), nullptr);
}

TEST(Win32DynamicLibrary, ExecutableDirectoryHoldsTheProgram) {
    const std::string folder = executableDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(folder.back() == '\\' || folder.back() == '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "platform_module_tests.exe"));
}

TEST(Win32DynamicLibrary, FailuresNameTheFileOnOneLine) {
    DynamicLibrary library;
    EXPECT_FALSE(library.open("NoSuchLibrary.dll"));
    EXPECT_FALSE(library.isOpen());
    EXPECT_NE(library.error().find("NoSuchLibrary.dll"), std::string::npos) << library.error();
    EXPECT_EQ(library.error().find('\n'), std::string::npos) << library.error();
    // No ".so" mapping here: a Linux module name is just a missing file.
    EXPECT_FALSE(library.open("Shadrel.so"));
    EXPECT_FALSE(library.open(""));
    EXPECT_FALSE(library.open(nullptr));
    EXPECT_EQ(library.error(), "no library name given");
}

} // namespace
} // namespace trovane::platform
