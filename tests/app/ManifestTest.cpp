// The manifest Trovane.exe carries, read back from the built file as the
// system reads it: without the DPI entries Windows stretches the picture on
// scaled screens.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace trovane {
namespace {

std::string manifestOf(const char* program) {
    HMODULE file = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (file == nullptr) {
        return {};
    }
    std::string text;
    // CREATEPROCESS_MANIFEST_RESOURCE_ID of type RT_MANIFEST.
    if (HRSRC found = FindResourceA(file, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        if (HGLOBAL loaded = LoadResource(file, found)) {
            text.assign(static_cast<const char*>(LockResource(loaded)),
                        SizeofResource(file, found));
        }
    }
    FreeLibrary(file);
    return text;
}

TEST(ProgramManifest, DeclaresPerMonitorDpiAwarenessAndTheSupportedSystems) {
    const std::string manifest = manifestOf(TROVANE_BINARY_DIR "/Trovane.exe");
    ASSERT_FALSE(manifest.empty()) << "no manifest in Trovane.exe";
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    // Windows 10 and 11: without it the system treats the program as written for 8.
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
}

} // namespace
} // namespace trovane
