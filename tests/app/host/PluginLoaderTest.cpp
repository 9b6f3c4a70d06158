// PluginLoader with the real libraries and with broken test libraries.
#include "app/host/PluginLoader.h"
#include "platform/module/ModuleSearch.h"
#include "sdk/OwnedObject.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

namespace trovane {
namespace {

void releaseObject(void* object) {
    static_cast<plugin::Object*>(object)->Release();
}

TEST(PluginLoaderEmpty, CreateGivesNullWithoutCallingAnything) {
    PluginLoader loader;
    EXPECT_FALSE(loader.isLoaded());
    EXPECT_EQ(loader.Create(), nullptr);
    EXPECT_EQ(loader.Create("IniParser"), nullptr);
}

TEST(PluginLoaderEmpty, UnloadDoesNothing) {
    PluginLoader loader;
    loader.Unload();
    loader.Unload();
    EXPECT_FALSE(loader.isLoaded());
}

TEST(PluginLoaderLoad, CreatesObjectsByInterfaceName) {
    PluginLoader loader;
    ASSERT_TRUE(loader.Load("Lexmoor.dll")) << loader.error();
    EXPECT_TRUE(loader.isLoaded());
    void* parser = loader.Create("IniParser");
    ASSERT_NE(parser, nullptr);
    releaseObject(parser);
    EXPECT_EQ(loader.Create("iniparser"), nullptr);
}

TEST(PluginLoaderLoad, NoNameAsksForDefault) {
    PluginLoader files("Bastrel.dll");
    ASSERT_TRUE(files.isLoaded()) << files.error();
    void* reader = files.Create();
    ASSERT_NE(reader, nullptr);
    releaseObject(reader);
    // Libraries without a "Default" interface give nothing for it.
    PluginLoader ini("Lexmoor.dll");
    EXPECT_EQ(ini.Create(), nullptr);
    PluginLoader engine("Corvane.dll");
    EXPECT_EQ(engine.Create(), nullptr);
}

TEST(PluginLoaderLoad, UnloadEmptiesTheLoader) {
    PluginLoader loader("Corvane.dll");
    ASSERT_TRUE(loader.isLoaded()) << loader.error();
    loader.Unload();
    EXPECT_FALSE(loader.isLoaded());
    EXPECT_EQ(loader.Create("Engine"), nullptr);
}

TEST(PluginLoaderLoad, ModulePathWorksAsGiven) {
    const std::string path = platform::executableDirectory() + "Corvane.so";
    PluginLoader loader;
    EXPECT_TRUE(loader.Load(path.c_str())) << loader.error();
}

TEST(PluginLoaderFailure, MissingLibraryLeavesTheLoaderEmpty) {
    PluginLoader loader;
    EXPECT_FALSE(loader.Load("NoSuchLibrary.dll"));
    EXPECT_FALSE(loader.isLoaded());
    EXPECT_EQ(loader.Create(), nullptr);
    EXPECT_NE(loader.error().find("cannot load ("), std::string::npos) << loader.error();
    EXPECT_NE(loader.error().find("NoSuchLibrary.so"), std::string::npos) << loader.error();
}

TEST(PluginLoaderFailure, LibraryWithoutCreateInstanceIsUnloadedAgain) {
    const std::string path = platform::executableDirectory() + "TestNoCreateInstance.so";
    ASSERT_FALSE(platform::DynamicLibrary::isLoaded(path));
    PluginLoader loader;
    EXPECT_FALSE(loader.Load("TestNoCreateInstance.dll"));
    EXPECT_EQ(loader.error(), "does not export CreateInstance");
    EXPECT_FALSE(loader.isLoaded());
    EXPECT_EQ(loader.Create(), nullptr);
    EXPECT_FALSE(platform::DynamicLibrary::isLoaded(path));
}

TEST(PluginLoaderFailure, LibraryOfAnotherContractVersionIsUnloadedAgain) {
    const std::pair<const char*, const char*> cases[] = {
        {"TestApiVersion2", "built for plug-in API 2, this program needs 1"},
        {"TestNoApiVersion", "does not export APIVersion"}};
    for (const auto& [name, reason] : cases) {
        PluginLoader loader;
        EXPECT_FALSE(loader.Load((std::string(name) + ".dll").c_str())) << name;
        EXPECT_EQ(loader.error(), reason);
        EXPECT_FALSE(loader.isLoaded()) << name;
        EXPECT_FALSE(
            platform::DynamicLibrary::isLoaded(platform::executableDirectory() + name + ".so"))
            << name;
    }
}

TEST(PluginLoaderFailure, NullOrEmptyNameDoesNotLoadTheProgramItself) {
    PluginLoader loader;
    EXPECT_FALSE(loader.Load(nullptr));
    EXPECT_FALSE(loader.isLoaded());
    EXPECT_FALSE(loader.Load(""));
    EXPECT_FALSE(loader.isLoaded());
    EXPECT_EQ(loader.Create(), nullptr);
}

TEST(PluginLoaderFailure, FailedLoadDropsTheEarlierLibrary) {
    PluginLoader loader("Corvane.dll");
    ASSERT_TRUE(loader.isLoaded()) << loader.error();
    EXPECT_FALSE(loader.Load("NoSuchLibrary.dll"));
    EXPECT_FALSE(loader.isLoaded());
    EXPECT_EQ(loader.Create("Engine"), nullptr);
}

// glibc never unloads a library that carries a GNU unique symbol, and the
// code of a module that stays mapped hides calls into it after Unload.
TEST(PluginLoaderUnload, EveryModuleLeavesTheProcess) {
    for (const char* name :
         {"Lexmoor", "Tactrel", "Corvane", "Shadrel", "Bastrel", "Vistrane", "Aurelix"}) {
        const std::string path = platform::executableDirectory() + name + ".so";
        ASSERT_FALSE(platform::DynamicLibrary::isLoaded(path)) << name;
        {
            platform::DynamicLibrary library;
            ASSERT_TRUE(library.open(path.c_str())) << library.error();
            auto enumerate =
                library.function<plugin::EnumerateInterfacesFn>(plugin::kEnumerateInterfacesSymbol);
            auto create = library.function<plugin::CreateInstanceFn>("CreateInstance");
            ASSERT_TRUE(enumerate != nullptr && create != nullptr) << name;
            for (unsigned index = 0; const char* interface = enumerate(index); ++index) {
                void* object = create(interface);
                // Aurelix's one query lives with its library and is never released.
                if (object != nullptr && std::strcmp(interface, "Query") != 0) {
                    releaseObject(object);
                }
            }
        }
        EXPECT_FALSE(platform::DynamicLibrary::isLoaded(path)) << name << " stays mapped";
    }
}

} // namespace
} // namespace trovane
