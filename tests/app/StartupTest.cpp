// The built Trovane, copied with chosen libraries into a fresh folder and run there.
#include "app/KeyReference.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace trovane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The key reference as the user must see it, byte for byte.
const char* const kKeyReferenceText =
    "keys:   use arrows to move\n"
    "        look around with your mouse\n"
    "        reflecting/sticky bombs thrown with left/right mouse button\n"
    "        regenerate morvex by pressing mouse wheel\n"
    "\n"
    "        w,s  up/down\n"
    "        F5     toggle fullscreen / windowed mode\n"
    "        c      enable collision detection\n"
    "        x      disable collision detection\n"
    "        f      BSP sorting order front=>back\n"
    "        b      BSP sorting order back=>front (default)\n"
    "        z      enable z-buffer\n"
    "        u      disable z-buffer\n"
    "        l      wireframe mode\n"
    "        t      textured triangle mode\n"
    "        d      demo mode or the command-line switch '-demo'\n"
    "        Space  pause demo\n"
    "\n"
    "see the file 'config.ini' to change the settings.\n";

std::string expectedOutput() {
    return std::string(kTitleLine) + "\n" + kKeyReferenceText;
}

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n') + 1);
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class StartupTest : public ::testing::Test {
protected:
    // Copies a built file into the run folder, optionally under another name.
    void install(const char* file, const char* as = nullptr) {
        const fs::path target = folder.path() / (as != nullptr ? as : file);
        fs::copy_file(fs::path(TROVANE_BINARY_DIR) / file, target);
        fs::permissions(target, fs::perms::owner_all);
    }

    // The program and its libraries; the INI library may be another built file in its place.
    void installProgram(const char* iniLibrary = "Lexmoor.so") {
        install("Trovane");
        install("Bastrel.so");
        install(iniLibrary, "Lexmoor.so");
    }

    void writeConfig(const std::string& text) {
        std::ofstream(folder.path() / "config.ini", std::ios::binary) << text;
    }

    void installShippedConfig() {
        fs::copy_file(fs::path(TROVANE_SOURCE_DIR) / "config.ini", folder.path() / "config.ini");
    }

    // Runs the copied program; it must end by itself, without a crash or a
    // sanitizer report.
    test::ProcessResult run(const std::vector<std::string>& args = {}) {
        return launch(folder.path() / "Trovane", folder.path(), args);
    }

    test::ProcessResult launch(const fs::path& program, const fs::path& workFolder,
                               const std::vector<std::string>& args = {}) {
        test::LaunchOptions options;
        options.argv = {program.string()};
        options.argv.insert(options.argv.end(), args.begin(), args.end());
        options.workingDirectory = workFolder;
        // No display: whatever follows start-up ends quickly without a window.
        options.unsetEnvironment = {"DISPLAY", "WAYLAND_DISPLAY"};
        options.environment["SDL_VIDEODRIVER"] = "x11";
        // The user's own settings never leak into a test.
        options.environment["XDG_CONFIG_HOME"] = (folder.path() / "user-config").string();
        test::ProcessResult outcome = test::runProcess(std::move(options), 60s);
        EXPECT_FALSE(outcome.timedOut);
        EXPECT_TRUE(outcome.exited) << outcome.err;
        EXPECT_EQ(outcome.err.find("Sanitizer"), std::string::npos) << outcome.err;
        return outcome;
    }

    // Start-up went through to the application: the text came first and
    // nothing was said about the settings or the two libraries.
    static void expectStartedUp(const test::ProcessResult& outcome) {
        EXPECT_EQ(outcome.out.substr(0, expectedOutput().size()), expectedOutput());
        EXPECT_EQ(outcome.err.find("config.ini"), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find("Bastrel.dll"), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find("Lexmoor.dll"), std::string::npos) << outcome.err;
    }

    test::TempDir folder;
};

using StartupOutput = StartupTest;
using StartupConfigFile = StartupTest;
using StartupLibraries = StartupTest;

TEST_F(StartupOutput, ShippedSettingsStartWithTitleAndKeyReference) {
    installProgram();
    installShippedConfig();
    expectStartedUp(run());
}

TEST_F(StartupOutput, OwnSettingsStartTheSameWay) {
    installProgram();
    writeConfig("[Program]\nStatistics = 0\nWidth = 640\nHeight = 480\nTitle = Quiet\n");
    expectStartedUp(run());
}

TEST_F(StartupConfigFile, MissingFileIsReportedOnceAndDefaultsAreUsed) {
    installProgram();
    const test::ProcessResult outcome = run();
    EXPECT_EQ(outcome.out.substr(0, expectedOutput().size()), expectedOutput());
    EXPECT_EQ(
        firstLine(outcome.err),
        "config.ini: cannot open (No such file or directory); running on built-in defaults\n");
    EXPECT_EQ(occurrences(outcome.err, "config.ini"), 1u) << outcome.err;
}

TEST_F(StartupConfigFile, FolderInsteadOfFileIsReportedWithItsReason) {
    installProgram();
    fs::create_directory(folder.path() / "config.ini");
    const test::ProcessResult outcome = run();
    EXPECT_EQ(firstLine(outcome.err),
              "config.ini: cannot open (Is a directory); running on built-in defaults\n");
}

TEST_F(StartupConfigFile, EmptyFileIsReadWithoutComplaint) {
    installProgram();
    writeConfig("");
    expectStartedUp(run());
}

// A library problem stops the program before the application exists: exactly
// the text, one line naming the file and the reason, and exit code 1.
TEST_F(StartupLibraries, AMissingLibraryStopsWithItsReason) {
    const std::pair<const char*, const char*> cases[] = {{"Lexmoor", "Bastrel"},
                                                         {"Bastrel", "Lexmoor"}};
    for (const auto& [missing, present] : cases) {
        SCOPED_TRACE(missing);
        fs::remove_all(folder.path());
        fs::create_directories(folder.path());
        install("Trovane");
        install((std::string(present) + ".so").c_str());
        installShippedConfig();
        const test::ProcessResult outcome = run();
        EXPECT_EQ(outcome.exitCode, 1);
        EXPECT_EQ(outcome.out, expectedOutput());
        const std::string library = missing;
        EXPECT_EQ(outcome.err.rfind(library + ".dll: cannot load (", 0), 0u) << outcome.err;
        EXPECT_NE(outcome.err.find(library + ".so"), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err, firstLine(outcome.err)) << "one line";
    }
}

TEST_F(StartupLibraries, IniLibraryWithoutCreateInstanceStops) {
    installProgram("TestNoCreateInstance.so");
    installShippedConfig();
    const test::ProcessResult outcome = run();
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.out, expectedOutput());
    EXPECT_EQ(outcome.err, "Lexmoor.dll: does not export CreateInstance\n");
}

TEST_F(StartupLibraries, LibrariesThatCreateNothingStop) {
    installProgram("Shadrel.so");
    installShippedConfig();
    const test::ProcessResult noParser = run();
    EXPECT_EQ(noParser.exitCode, 1);
    EXPECT_EQ(noParser.err, "Lexmoor.dll: creates no \"IniParser\"\n");

    fs::remove(folder.path() / "Bastrel.so");
    install("Shadrel.so", "Bastrel.so");
    const test::ProcessResult noReader = run();
    EXPECT_EQ(noReader.exitCode, 1);
    EXPECT_EQ(noReader.err, "Bastrel.dll: creates no \"Default\"\n");
}

using StartupCommandLine = StartupTest;

// --help and --version answer before anything else and need no library.
TEST_F(StartupCommandLine, HelpAndVersionExitAtOnce) {
    install("Trovane");
    const test::ProcessResult help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: trovane", 0), 0u) << help.out;
    EXPECT_EQ(help.err, "");
    const test::ProcessResult version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("Trovane ", 0), 0u) << version.out;
    EXPECT_EQ(version.out, firstLine(version.out)) << "one line";
}

TEST_F(StartupCommandLine, UnknownArgumentIsNamedAndStartUpGoesOn) {
    installProgram();
    installShippedConfig();
    const test::ProcessResult outcome = run({"--fullscreen"});
    EXPECT_EQ(firstLine(outcome.err),
              "Trovane: ignoring unknown argument '--fullscreen' (see --help)\n");
    EXPECT_EQ(outcome.out.substr(0, expectedOutput().size()), expectedOutput());
}

// An installed tree: the program in bin/, its libraries in lib/trovane/, the
// shipped settings in share/trovane/, started from an empty folder.
class InstalledStartup : public StartupTest {
protected:
    void SetUp() override {
        for (const char* dir : {"bin", "lib/trovane", "share/trovane", "work"}) {
            fs::create_directories(folder.path() / dir);
        }
        install("Trovane", "bin/Trovane");
        install("Bastrel.so", "lib/trovane/Bastrel.so");
        install("Lexmoor.so", "lib/trovane/Lexmoor.so");
        folder.write("share/trovane/config.ini", "[Program]\nStatistics = 1\n");
    }

    test::ProcessResult runInstalled() {
        return launch(folder.path() / "bin/Trovane", folder.path() / "work");
    }

    std::string readFrom(const char* file) const {
        return "Settings read from " + (folder.path() / file).lexically_normal().string() + "\n";
    }
};

TEST_F(InstalledStartup, LibrariesAndSettingsAreFoundBesideTheProgram) {
    const test::ProcessResult outcome = runInstalled();
    EXPECT_EQ(outcome.err.find("Lexmoor.dll"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.out.find(readFrom("share/trovane/config.ini")), std::string::npos)
        << outcome.out;
}

TEST_F(InstalledStartup, WorkingDirectoryThenUserSettingsComeFirst) {
    folder.write("user-config/trovane/config.ini", "[Program]\nStatistics = 1\n");
    const test::ProcessResult user = runInstalled();
    EXPECT_NE(user.out.find(readFrom("user-config/trovane/config.ini")), std::string::npos)
        << user.out;

    folder.write("work/config.ini", "[Program]\nStatistics = 1\n");
    const test::ProcessResult local = runInstalled();
    EXPECT_NE(local.out.find("Settings read from config.ini\n"), std::string::npos) << local.out;
}

TEST_F(InstalledStartup, NoReadableFileLeavesTheBuiltInSettings) {
    fs::remove(folder.path() / "share/trovane/config.ini");
    const test::ProcessResult outcome = runInstalled();
    EXPECT_EQ(
        firstLine(outcome.err),
        "config.ini: cannot open (No such file or directory); running on built-in defaults\n");
    EXPECT_EQ(outcome.out.find("Settings read from"), std::string::npos) << outcome.out;
}

} // namespace
} // namespace trovane
