// Reading the arguments Windows gives a screensaver, and telling a screensaver
// program by its file name.
#include "app/ScreensaverArguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace trovane {
namespace {

using Mode = ScreensaverArguments::Mode;

ScreensaverArguments parse(std::vector<const char*> args) {
    return parseScreensaverArguments(static_cast<int>(args.size()), args.data());
}

TEST(ScreensaverFileName, EndsInScrInAnyCaseAfterEitherSeparator) {
    EXPECT_TRUE(isScreensaverFileName("Trovane.scr"));
    EXPECT_TRUE(isScreensaverFileName("C:\\Windows\\System32\\TROVANE.SCR"));
    EXPECT_TRUE(isScreensaverFileName("/opt/trovane/Trovane.Scr"));
    EXPECT_FALSE(isScreensaverFileName("Trovane.exe"));
    EXPECT_FALSE(isScreensaverFileName("Trovane"));
    EXPECT_FALSE(isScreensaverFileName("Trovane.scr.exe"));
    EXPECT_FALSE(isScreensaverFileName("C:\\saver.scr\\Trovane.exe"));
    EXPECT_FALSE(isScreensaverFileName(".scr"));
    EXPECT_FALSE(isScreensaverFileName("dir\\.scr"));
    EXPECT_FALSE(isScreensaverFileName(""));
}

TEST(ScreensaverArgumentsModes, EachSwitchInAnyCaseAndEveryWayOfGivingItsWindow) {
    for (const char* s : {"/s", "/S", "-s"}) {
        const ScreensaverArguments a = parse({s});
        EXPECT_EQ(a.mode, Mode::FullScreen) << s;
        EXPECT_TRUE(a.error.empty()) << s << ": " << a.error;
    }
    for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
             {"/p", "1234"}, {"/P", "1234"}, {"/p:1234"}, {"/P:1234"}, {"-p", "1234"}}) {
        const ScreensaverArguments a = parse(args);
        EXPECT_EQ(a.mode, Mode::Preview) << args[0];
        EXPECT_EQ(a.window, 1234u) << args[0];
        EXPECT_TRUE(a.error.empty()) << args[0] << ": " << a.error;
    }
    // A handle above 32 bits, as 64-bit Windows may hand out.
    EXPECT_EQ(parse({"/p", "8589934593"}).window, 8589934593u);
    for (const std::vector<const char*>& args :
         std::vector<std::vector<const char*>>{{}, {"/c"}, {"/C"}, {"/c:1234"}, {"/c", "1234"}}) {
        const ScreensaverArguments a = parse(args);
        EXPECT_EQ(a.mode, Mode::Settings);
        EXPECT_TRUE(a.error.empty()) << a.error;
    }
    EXPECT_EQ(parse({"/c:77"}).window, 77u);
    EXPECT_EQ(parse({}).window, 0u);
}

TEST(ScreensaverArgumentsErrors, BadSwitchesAndWindowsGiveOneLine) {
    const std::vector<std::vector<const char*>> bad = {
        {"/p"},                            // no window
        {"/p:"},                           // an empty one
        {"/p", "12ab"},                    // not a number
        {"/p", "-5"},                      // nor a negative one
        {"/p", "0"},                       // no window is numbered 0
        {"/p", " 12"},                     // nor with a space before
        {"/p", "0x1F"},                    // Windows writes decimal
        {"/p", "99999999999999999999999"}, // beyond 64 bits
        {"/c:x"},                          // the settings' owner must be a number too
        {"/s:1"},                          // full screen takes none
        {"/x"},                            // an unknown switch
        {"/screen"},                       // a word is not a switch
        {"s"},                             // nor a letter without its slash
        {"/s", "extra"},                   // nothing after a complete switch
        {"/p", "12", "34"},
        {"-demo"}, // the program's own switches are not a screensaver's
    };
    for (const std::vector<const char*>& args : bad) {
        const ScreensaverArguments a = parse(args);
        std::string shown;
        for (const char* arg : args) {
            shown += std::string(arg) + " ";
        }
        EXPECT_FALSE(a.error.empty()) << shown;
        EXPECT_EQ(a.error.find('\n'), std::string::npos) << a.error;
        EXPECT_EQ(a.window, 0u) << shown;
    }
    // The message names what was not understood.
    EXPECT_NE(parse({"/p", "12ab"}).error.find("12ab"), std::string::npos);
    EXPECT_NE(parse({"/x"}).error.find("/x"), std::string::npos);
}

} // namespace
} // namespace trovane
