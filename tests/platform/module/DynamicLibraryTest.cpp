// Loading, looking up and unloading libraries at run time.
#include "platform/module/DynamicLibrary.h"
#include "platform/module/ModuleSearch.h"
#include "sdk/Plugin.h"

#include <gtest/gtest.h>

#include <utility>

namespace trovane::platform {
namespace {

TEST(DynamicLibraryOpen, LoadsAModuleAndFindsItsExports) {
    DynamicLibrary library;
    ASSERT_TRUE(library.open("Shadrel.dll")) << library.error();
    EXPECT_TRUE(library.isOpen());
    EXPECT_EQ(library.path(), executableDirectory() + "Shadrel.so");
    const auto componentType = library.function<plugin::ComponentTypeFn>("ComponentType");
    ASSERT_NE(componentType, nullptr);
    EXPECT_STREQ(componentType(), "System");
    EXPECT_EQ(library.symbol("NoSuchExport"), nullptr);
    EXPECT_EQ(library.symbol(nullptr), nullptr);
}

TEST(DynamicLibraryOpen, SystemLibraryByItsOwnName) {
    DynamicLibrary library;
    EXPECT_TRUE(library.open("libm.so.6")) << library.error();
    EXPECT_NE(library.symbol("cos"), nullptr);
}

TEST(DynamicLibraryOpen, CloseAndMoveLeaveNothingBehind) {
    DynamicLibrary first;
    ASSERT_TRUE(first.open("Shadrel.dll")) << first.error();
    DynamicLibrary second(std::move(first));
    EXPECT_TRUE(second.isOpen());
    EXPECT_FALSE(first.isOpen()); // NOLINT(bugprone-use-after-move): moved-from is empty
    EXPECT_EQ(first.symbol("ComponentType"), nullptr);
    second.close();
    EXPECT_FALSE(second.isOpen());
    EXPECT_EQ(second.path(), "");
    EXPECT_EQ(second.symbol("ComponentType"), nullptr);
    second.close();
}

TEST(DynamicLibraryFailure, MissingFileKeepsTheLoadersReason) {
    DynamicLibrary library;
    EXPECT_FALSE(library.open("NoSuchLibrary.dll"));
    EXPECT_FALSE(library.isOpen());
    EXPECT_NE(library.error().find("NoSuchLibrary.so"), std::string::npos) << library.error();
}

TEST(DynamicLibraryFailure, UnresolvedSymbolFailsAtLoadTime) {
    DynamicLibrary library;
    EXPECT_FALSE(library.open("TestUnresolved.dll"));
    EXPECT_NE(library.error().find("trovaneFunctionNobodyProvides"), std::string::npos)
        << library.error();
    EXPECT_FALSE(DynamicLibrary::isLoaded(executableDirectory() + "TestUnresolved.so"));
}

TEST(DynamicLibraryFailure, NullOrEmptyNameIsRefused) {
    DynamicLibrary library;
    EXPECT_FALSE(library.open(nullptr));
    EXPECT_EQ(library.error(), "no library name given");
    EXPECT_FALSE(library.open(""));
    EXPECT_FALSE(library.isOpen());
}

TEST(DynamicLibraryFailure, FailedOpenUnloadsWhatWasOpen) {
    DynamicLibrary library;
    ASSERT_TRUE(library.open("Shadrel.dll")) << library.error();
    EXPECT_FALSE(library.open("NoSuchLibrary.dll"));
    EXPECT_FALSE(library.isOpen());
    EXPECT_EQ(library.path(), "");
}

} // namespace
} // namespace trovane::platform
