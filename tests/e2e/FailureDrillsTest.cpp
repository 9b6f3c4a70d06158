// Failure drills: the program started with broken settings, libraries,
// texture, window values or display. Each drill must end in one clear line
// and either a normal run or an orderly exit; never a crash, a hang or a
// process left behind.
#include "ProgramRun.h"
#include "Rig.h"
#include "XDisplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace e2e {
namespace {

namespace fs = std::filesystem;

// Generous: under load a start can take several seconds, and the 50 MB
// settings file is read before the window opens.
constexpr Milliseconds kWindowLimit{40000};
constexpr Milliseconds kExitLimit{15000};

const std::vector<std::string> kLibraries = {"Bastrel", "Lexmoor", "Vistrane", "Aurelix",
                                             "Tactrel"};

// What the run folder holds besides the program and its library links.
struct Drill {
    std::optional<std::string> config = Settings{}.text(); // none: no config.ini
    std::optional<std::string> texture;                    // none: the real picture
    bool textureMissing = false;
    std::vector<std::string> missingModules;            // e.g. "Lexmoor.so"
    std::map<std::string, std::string> replacedModules; // file name -> bytes instead
    std::optional<std::string> display;                 // none: a virtual X server
};

Drill drillWith(const Settings& settings) {
    Drill drill;
    drill.config = settings.text();
    return drill;
}

// One drill run: its own X server (unless the drill names a display), a
// prepared folder, the program. All of it ends with the object.
class DrillRun {
public:
    explicit DrillRun(const Drill& drill) : dir_("trovane-drill") {
        if (!drill.display) {
            xvfb_ = std::make_unique<XvfbServer>();
        }
        const std::string display = drill.display ? *drill.display : xvfb_->display();
        x_ = std::make_unique<XDisplay>(display);
        prepare(drill);
        LaunchOptions options;
        options.argv = {(dir_ / "Trovane").string()};
        options.workingDirectory = dir_.path();
        options.environment = {{"SDL_VIDEODRIVER", "x11"}};
        if (display.empty()) {
            options.unsetEnvironment = {"DISPLAY", "WAYLAND_DISPLAY"};
        } else {
            options.environment["DISPLAY"] = display;
        }
        options.stdoutFile = dir_ / "stdout.txt";
        options.stderrFile = dir_ / "stderr.txt";
        process_ = std::make_unique<ChildProcess>(options);
    }

    ChildProcess& process() { return *process_; }
    XDisplay& x() { return *x_; }
    std::optional<std::string> waitForWindow() {
        return x_->waitForWindow(process_->pid(), kWindowLimit);
    }
    std::string err() const { return readFile(dir_ / "stderr.txt"); }

    // True once no process of the program's group is left (bounded wait);
    // whatever is left is killed so the drill cleans up after itself.
    bool groupGone() {
        const pid_t group = process_->pid();
        for (int i = 0; i < 100; ++i) {
            if (::kill(-group, 0) != 0 && errno == ESRCH) {
                return true;
            }
            sleepFor(Milliseconds(20));
        }
        ::kill(-group, SIGKILL);
        return false;
    }

private:
    void prepare(const Drill& drill) {
        const fs::path bin = TROVANE_BINARY_DIR;
        fs::copy_file(bin / "Trovane", dir_ / "Trovane");
        for (const std::string& library : kLibraries) {
            const std::string file = library + ".so";
            const auto replaced = drill.replacedModules.find(file);
            if (replaced != drill.replacedModules.end()) {
                dir_.write(file, replaced->second);
            } else if (std::find(drill.missingModules.begin(), drill.missingModules.end(), file) ==
                       drill.missingModules.end()) {
                fs::create_symlink(bin / file, dir_ / file);
            }
        }
        if (drill.config) {
            dir_.write("config.ini", *drill.config);
        }
        fs::create_directories(dir_ / "textures");
        if (drill.texture) {
            dir_.write("textures/morvex.jpg", *drill.texture);
        } else if (!drill.textureMissing) {
            fs::copy_file(fs::path(TROVANE_SOURCE_DIR) / "textures" / "morvex.jpg",
                          dir_ / "textures/morvex.jpg");
        }
    }

    std::unique_ptr<XvfbServer> xvfb_; // first made, last gone: outlives the program
    TempDir dir_;
    std::unique_ptr<XDisplay> x_;
    std::unique_ptr<ChildProcess> process_;
};

std::string realPicture() {
    return readFile(fs::path(TROVANE_SOURCE_DIR) / "textures" / "morvex.jpg");
}

std::string libraryWithoutCreateInstance() {
    return readFile(fs::path(TROVANE_BINARY_DIR) / "TestNoCreateInstance.so");
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

void expectNoCrashReport(const std::string& err) {
    for (const char* sign : {"AddressSanitizer", "runtime error:", "Segmentation fault",
                             "terminate called", "Aborted", "core dumped"}) {
        EXPECT_EQ(err.find(sign), std::string::npos) << err;
    }
}

// The program refuses: exactly one line on standard error, matching line,
// then exit code 1 within seconds and nothing of it left running.
void expectRefusal(DrillRun& run, const std::regex& line) {
    const std::optional<int> status = run.process().waitExit(kExitLimit);
    ASSERT_TRUE(status) << "still running: " << run.err();
    EXPECT_EQ(*status, 1) << run.err();
    const std::string err = run.err();
    EXPECT_TRUE(hasLineMatching(err, line)) << err;
    EXPECT_EQ(lineCount(err), 1u) << err;
    expectNoCrashReport(err);
    EXPECT_TRUE(run.groupGone());
}

// The program runs on: line (when given) is on standard error, the window
// shows with title and frame rate in its caption, and a close request ends
// it with 0.
void expectRunOn(DrillRun& run, const std::optional<std::regex>& line,
                 const std::string& title = "Trovane") {
    const std::optional<std::string> window = run.waitForWindow();
    ASSERT_TRUE(window) << "no window: " << run.err();
    EXPECT_TRUE(
        run.x().waitForName(*window, std::regex(title + R"( \([0-9]+ fps\))"), Milliseconds(15000)))
        << run.x().windowName(*window);
    if (line) {
        EXPECT_TRUE(hasLineMatching(run.err(), *line)) << run.err();
    }
    EXPECT_TRUE(run.x().requestClose(*window));
    const std::optional<int> status = run.process().waitExit(kExitLimit);
    ASSERT_TRUE(status) << "the close request did not end the program";
    EXPECT_EQ(*status, 0) << run.err();
    expectNoCrashReport(run.err());
    EXPECT_TRUE(run.groupGone());
}

// --- config.ini -----------------------------------------------------------

TEST(ConfigDrill, MissingFileRunsOnTheBuiltInDefaults) {
    Drill drill;
    drill.config.reset();
    DrillRun run(drill);
    expectRunOn(run, std::regex(R"(config\.ini: cannot open \(No such file or directory\); )"
                                R"(running on built-in defaults)"));
}

TEST(ConfigDrill, EmptyFileRunsWithDefaultWindowAndSaysTheInputLibraryIsUnset) {
    Drill drill;
    drill.config = "";
    DrillRun run(drill);
    expectRunOn(run, std::regex(R"(warning: input library \(PlugIns\.Input not set\).*)"));
}

TEST(ConfigDrill, BinaryFileRunsOnWhatever) {
    // Fixed seed: the same bytes every run, with NULs, CRs, LFs and brackets.
    std::mt19937 random(20240607);
    std::string bytes(64 * 1024, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    Drill drill;
    drill.config = bytes;
    DrillRun run(drill);
    expectRunOn(run, std::regex(R"(warning: input library .*)"));
}

TEST(ConfigDrill, FiftyMegabyteFileIsReadToItsEnd) {
    // Comment lines, then one key given again and again, then the settings:
    // the title proves the end of the file was read.
    std::string text;
    text.reserve(50 * 1024 * 1024 + 1024);
    const std::string comment = "# padding of a very large settings file, a comment line\n";
    while (text.size() < 25 * 1024 * 1024) {
        text += comment;
    }
    text += "[Filler]\n";
    const std::string assignment = "Key = a value given again and again\r\n";
    while (text.size() < 50 * 1024 * 1024) {
        text += assignment;
    }
    Settings settings;
    settings["Program.Title"] = "Large Settings";
    text += settings.text();
    Drill drill;
    drill.config = text;
    DrillRun run(drill);
    expectRunOn(run, std::nullopt, settings["Program.Title"]);
}

// --- libraries ------------------------------------------------------------

enum class LibraryFault { Missing, NotALibrary, NoCreateInstance };

struct LibraryCase {
    std::string library;
    LibraryFault fault;
};

std::string faultName(LibraryFault fault) {
    switch (fault) {
    case LibraryFault::Missing:
        return "Missing";
    case LibraryFault::NotALibrary:
        return "NotALibrary";
    case LibraryFault::NoCreateInstance:
        return "NoCreateInstance";
    }
    return "";
}

// The loader's reason as it follows "<name>.dll: ".
std::string reasonPattern(LibraryFault fault) {
    return fault == LibraryFault::NoCreateInstance ? R"(does not export CreateInstance)"
                                                   : R"(cannot load \(.+\))";
}

// Names the case in test listings instead of its bytes.
void PrintTo(const LibraryCase& c, std::ostream* out) {
    *out << c.library << " " << faultName(c.fault);
}

class LibraryDrill : public ::testing::TestWithParam<LibraryCase> {};

TEST_P(LibraryDrill, SaysWhichFileAndWhyThenStopsOrRunsWithout) {
    const LibraryCase& c = GetParam();
    const std::string file = c.library + ".so";
    Drill drill;
    switch (c.fault) {
    case LibraryFault::Missing:
        drill.missingModules = {file};
        break;
    case LibraryFault::NotALibrary:
        drill.replacedModules[file] =
            "This text file only carries the name of a library; it holds no program code.\n";
        break;
    case LibraryFault::NoCreateInstance:
        drill.replacedModules[file] = libraryWithoutCreateInstance();
        ASSERT_FALSE(drill.replacedModules[file].empty()) << "TestNoCreateInstance.so not built";
        break;
    }
    DrillRun run(drill);
    const std::string dll = c.library + R"(\.dll)";
    const std::string reason = reasonPattern(c.fault);
    if (c.library == "Bastrel" || c.library == "Lexmoor") {
        // Without a file reader or the settings parser there are no settings.
        expectRefusal(run, std::regex(dll + ": " + reason));
    } else if (c.library == "Vistrane") {
        expectRunOn(run, std::regex(R"(warning: textures/morvex\.jpg: )" + dll + ": " + reason +
                                    R"(; the walls stay untextured)"));
    } else if (c.library == "Aurelix") {
        expectRunOn(run, std::regex("warning: " + dll + ": " + reason +
                                    "; texture compression and anisotropic filtering stay off"));
    } else {
        expectRunOn(run, std::regex("warning: input library " + dll + ": " + reason +
                                    R"(; running without keyboard and mouse)"));
    }
}

std::vector<LibraryCase> libraryCases() {
    std::vector<LibraryCase> cases;
    for (const std::string& library : kLibraries) {
        for (LibraryFault fault :
             {LibraryFault::Missing, LibraryFault::NotALibrary, LibraryFault::NoCreateInstance}) {
            // A missing input library is a drill of FailureTest already.
            if (!(library == "Tactrel" && fault == LibraryFault::Missing)) {
                cases.push_back({library, fault});
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EachLibrary, LibraryDrill, ::testing::ValuesIn(libraryCases()),
                         [](const ::testing::TestParamInfo<LibraryCase>& info) {
                             return info.param.library + "_" + faultName(info.param.fault);
                         });

// --- texture --------------------------------------------------------------

const std::regex kUntextured(
    R"(warning: textures/morvex\.jpg: cannot be (opened|decoded); the walls stay untextured)");

TEST(TextureDrill, MissingPictureLeavesTheWallsUntextured) {
    Drill drill;
    drill.textureMissing = true;
    DrillRun run(drill);
    expectRunOn(run, kUntextured);
}

TEST(TextureDrill, PictureCutInHalfLeavesTheWallsUntextured) {
    const std::string picture = realPicture();
    ASSERT_GT(picture.size(), 1000u);
    Drill drill;
    drill.texture = picture.substr(0, picture.size() / 2);
    DrillRun run(drill);
    expectRunOn(run, kUntextured);
}

TEST(TextureDrill, TextInsteadOfAPictureLeavesTheWallsUntextured) {
    Drill drill;
    drill.texture = "GIF89a? no, just a few words of text in a file named like a picture\n";
    DrillRun run(drill);
    expectRunOn(run, kUntextured);
}

// --- window settings (zero, negative and too large: see FailureTest) -------

// The window the program opens with these sizes in config.ini, once it
// draws frames; it must then close cleanly on request.
std::optional<WindowGeometry> windowWithSizes(const std::string& width, const std::string& height) {
    Settings settings;
    settings["Program.Width"] = width;
    settings["Program.Height"] = height;
    DrillRun run(drillWith(settings));
    const std::optional<std::string> window = run.waitForWindow();
    EXPECT_TRUE(window) << run.err();
    if (!window) {
        return std::nullopt;
    }
    // Frames are drawn once the caption carries a rate.
    run.x().waitForName(*window, std::regex(R"(.* \([0-9]+ fps\))"), Milliseconds(15000));
    std::optional<WindowGeometry> g = run.x().geometry(*window);
    run.x().requestClose(*window);
    EXPECT_EQ(run.process().waitExit(kExitLimit), std::optional<int>(0)) << run.err();
    expectNoCrashReport(run.err());
    EXPECT_TRUE(run.groupGone());
    return g;
}

TEST(WindowDrill, OddSizesStillGiveAWindowThatDrawsFrames) {
    struct Case {
        const char* width;
        const char* height;
        int expectedWidth;
        int expectedHeight;
    };
    // Beyond int: the largest int, then the desktop's width; below int: the
    // smallest int, then the default.
    const Case cases[] = {
        {"wide", "nan", 800, 600}, {"1e40", "-1e40", XvfbServer::kWidth, 600}, {"1", "1", 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.width) + " x " + c.height);
        const std::optional<WindowGeometry> g = windowWithSizes(c.width, c.height);
        ASSERT_TRUE(g);
        EXPECT_EQ(g->width, c.expectedWidth);
        EXPECT_EQ(g->height, c.expectedHeight);
    }
}

TEST(WindowDrill, FiveHundredCharacterTitleOfFormatSignsIsShownAsText) {
    // Conversion signs in the title must come out as themselves.
    std::string title;
    while (title.size() < 500) {
        title += "%s%n%x%%-";
    }
    title.resize(500);
    Settings settings;
    settings["Program.Title"] = title;
    DrillRun run(drillWith(settings));
    const std::optional<std::string> window = run.waitForWindow();
    ASSERT_TRUE(window) << run.err();
    const std::optional<std::string> caption = run.x().waitForName(
        *window, std::regex(R"((%s%n%x%%-)+[^ ]* \([0-9]+ fps\))"), Milliseconds(15000));
    ASSERT_TRUE(caption) << run.x().windowName(*window);
    EXPECT_LT(caption->size(), 128u);
    EXPECT_EQ(caption->substr(0, 40), title.substr(0, 40));
    run.x().requestClose(*window);
    EXPECT_EQ(run.process().waitExit(kExitLimit), std::optional<int>(0)) << run.err();
    expectNoCrashReport(run.err());
    EXPECT_TRUE(run.groupGone());
}

// --- display (no DISPLAY at all: see FailureTest) --------------------------

const std::regex kNoDisplay(R"(no display: .*)");

TEST(DisplayDrill, DisplayWithoutAServerIsRefusedWithOneLine) {
    Drill drill;
    drill.display = ":1987"; // no server there: nothing listens on that number
    DrillRun run(drill);
    expectRefusal(run, kNoDisplay);
}

TEST(DisplayDrill, MalformedDisplayNameIsRefusedWithOneLine) {
    Drill drill;
    drill.display = ":not-a-number";
    DrillRun run(drill);
    expectRefusal(run, kNoDisplay);
}

} // namespace
} // namespace e2e
