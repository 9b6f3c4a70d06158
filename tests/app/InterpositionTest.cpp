// Libraries loaded into a program that exports the same six names (this test
// program does, as Trovane does) must still call their own functions.
#include "app/host/PluginLoader.h"
#include "sdk/OwnedObject.h"

#include <gtest/gtest.h>

namespace trovane {
namespace {

// Creates name from the library and releases it; true when an object came.
bool createsObject(const char* library, const char* name) {
    PluginLoader loader;
    EXPECT_TRUE(loader.Load(library)) << loader.error();
    plugin::Owned<plugin::Object> object(static_cast<plugin::Object*>(loader.Create(name)));
    return object != nullptr;
}

TEST(Interposition, IsRealInThisProgram) {
    // The program's GetInterfaceID knows only "Engine". A library linked without
    // protection calls it instead of its own and so creates nothing.
    EXPECT_EQ(GetInterfaceID("Probe"), -1);
    EXPECT_FALSE(createsObject("TestInterposable.dll", "Probe"));
}

TEST(Interposition, EveryLibraryCallsItsOwnFunctions) {
    EXPECT_TRUE(createsObject("Lexmoor.dll", "IniParser"));
    EXPECT_TRUE(createsObject("Corvane.dll", "Engine"));
    EXPECT_TRUE(createsObject("Bastrel.dll", "FileReader"));
    EXPECT_TRUE(createsObject("Bastrel.dll", nullptr));
    EXPECT_FALSE(createsObject("Shadrel.dll", "Engine"));
}

} // namespace
} // namespace trovane
