#include "app/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>

#ifndef TROVANE_VERSION
#error "TROVANE_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace trovane {
namespace {

// A number as the next argument: digits, optionally signed, with a fraction.
bool looksNumeric(std::string_view text) {
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        text.remove_prefix(1);
    }
    return !text.empty() && ((text[0] >= '0' && text[0] <= '9') || text[0] == '.');
}

std::optional<double> wholeDecimal(std::string_view text) {
    double value = 0.0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

void readTimedemo(CommandLine& commandLine, std::span<const char* const> args, std::size_t& i) {
    commandLine.timedemo = true;
    if (i + 1 >= args.size() || !looksNumeric(args[i + 1])) {
        return; // the default length
    }
    const std::string_view text = args[++i];
    const std::optional<double> seconds = wholeDecimal(text);
    if (!seconds || *seconds <= 0.0 || *seconds > CommandLine::kMaxTimedemoSeconds) {
        commandLine.error = "Trovane: -timedemo takes a number of seconds above 0 and up to " +
                            std::to_string(int(CommandLine::kMaxTimedemoSeconds)) + ", not '" +
                            std::string(text) + "'";
        return;
    }
    commandLine.timedemoSeconds = *seconds;
}

// The list is read here; whether its times fit the run is checked once the
// whole command line is known.
void readShots(CommandLine& commandLine, std::span<const char* const> args, std::size_t& i) {
    const std::string_view list = i + 1 < args.size() ? std::string_view(args[++i]) : "";
    const std::string rule = "Trovane: --shots takes seconds of flight from 0 up to the "
                             "-timedemo length, separated by commas (0,2.5,10)";
    if (list.empty()) {
        commandLine.error = rule + ", and none was given";
        return;
    }
    std::vector<double> shots;
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = list.find(',', from);
        const std::string_view item = list.substr(from, comma - from);
        const std::optional<double> seconds = wholeDecimal(item);
        if (!seconds || std::signbit(*seconds)) { // "-0" is refused too
            commandLine.error = rule + ", not '" + std::string(item) + "'";
            return;
        }
        shots.push_back(*seconds);
        if (comma == std::string_view::npos) {
            break;
        }
        from = comma + 1;
    }
    std::sort(shots.begin(), shots.end());
    commandLine.shots = std::move(shots);
}

// Rules between switches, once all are read.
void checkShots(CommandLine& commandLine) {
    if (commandLine.shots.empty() || !commandLine.error.empty()) {
        return;
    }
    if (!commandLine.timedemo) {
        commandLine.error =
            "Trovane: --shots saves frames of a -timedemo run, and none was asked for";
        return;
    }
    if (commandLine.shots.back() > commandLine.timedemoSeconds) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "Trovane: --shots time %g is beyond the %g s of the -timedemo run",
                      commandLine.shots.back(), commandLine.timedemoSeconds);
        commandLine.error = text;
    }
}

void readStation(CommandLine& commandLine, std::span<const char* const> args, std::size_t& i) {
    const std::string_view text = i + 1 < args.size() ? std::string_view(args[++i]) : "";
    int value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || status != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > CommandLine::kMaxStation) {
        commandLine.error = "Trovane: -station takes a whole number from 1 to " +
                            std::to_string(CommandLine::kMaxStation) +
                            (text.empty() ? std::string(", and none was given")
                                          : ", not '" + std::string(text) + "'");
        return;
    }
    commandLine.station = value;
}

// An X window number, decimal or 0x hex; X makes none of 0 or above 32 bits.
std::optional<std::uint64_t> windowNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint32_t value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || status != std::errc() || end != text.data() + text.size() || value == 0) {
        return std::nullopt;
    }
    return value;
}

std::string badWindowLine(std::string_view from, std::string_view text) {
    return "Trovane: " + std::string(from) + " takes an X window number, decimal or 0x hex" +
           (text.empty() ? std::string(", and none was given")
                         : ", not '" + std::string(text) + "'");
}

void readWindowId(CommandLine& commandLine, std::span<const char* const> args, std::size_t& i) {
    const std::string_view text = i + 1 < args.size() ? std::string_view(args[++i]) : "";
    const std::optional<std::uint64_t> id = windowNumber(text);
    if (!id) {
        commandLine.error = badWindowLine("--window-id", text);
        return;
    }
    commandLine.screensaver.windowId = *id;
}

} // namespace

CommandLine parseCommandLine(int argc, const char* const argv[]) {
    CommandLine commandLine;
    const std::span<const char* const> args(argv + 1, argc > 1 ? argc - 1 : 0);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-demo") {
            // Demo mode starts with the program only when "-demo" stands alone.
            commandLine.demo = args.size() == 1;
        } else if (arg == "--help" || arg == "-h") {
            commandLine.help = true;
        } else if (arg == "--version") {
            commandLine.version = true;
        } else if (arg == "-timedemo") {
            readTimedemo(commandLine, args, i);
        } else if (arg == "--json") {
            commandLine.json = true;
        } else if (arg == "-station") {
            readStation(commandLine, args, i);
        } else if (arg == "--shots") {
            readShots(commandLine, args, i);
        } else if (arg == "--root") {
            commandLine.screensaver.root = true;
        } else if (arg == "--window-id") {
            readWindowId(commandLine, args, i);
        } else {
            commandLine.unknown.emplace_back(arg);
        }
    }
    checkShots(commandLine);
    return commandLine;
}

void useScreensaverWindowVariable(CommandLine& commandLine, const char* value) {
    if (value == nullptr || commandLine.screensaver.chosen() || !commandLine.error.empty()) {
        return;
    }
    const std::optional<std::uint64_t> id = windowNumber(value);
    if (!id) {
        commandLine.error = badWindowLine("XSCREENSAVER_WINDOW", value);
        return;
    }
    commandLine.screensaver.windowId = *id;
}

void printUsage(std::ostream& out) {
    out << "usage: trovane [-demo] [-station N] [-timedemo [SECONDS] [--json] [--shots "
           "T1,T2,...]]\n"
           "               [--root | --window-id ID] [--help] [--version]\n"
           "\n"
           "  -demo               fly the demo path from the first frame (the d key does the "
           "same)\n"
           "  -station N          start with the Nth station (1 to 100000); the wheel button\n"
           "                      goes on with N + 1, N + 2, ...\n"
           "  -timedemo [SECONDS] fly the demo path at a fixed step of 1/60 s per frame, as fast\n"
           "                      as possible for SECONDS (default 10), print the frame rates\n"
           "                      and exit\n"
           "  --json              print the timedemo report as one JSON object, alone on\n"
           "                      standard output\n"
           "  --shots T1,T2,...   save the timedemo frames at these seconds of flight (up to\n"
           "                      SECONDS) as screenshots/timedemo-T.png; the run lasts until\n"
           "                      the last is saved\n"
           "  --root              screensaver mode: fly the demo path on the root window\n"
           "  --window-id ID      screensaver mode: fly the demo path in the X window ID\n"
           "                      (decimal or 0x hex); without either, $XSCREENSAVER_WINDOW\n"
           "                      names the window when set. Runs until killed.\n"
           "  --help, -h          print this text and exit\n"
           "  --version           print the version and exit\n"
           "\n"
           "Settings are read from config.ini; see the README for where it is looked for.\n";
}

std::string versionLine() {
    return std::string("Trovane ") + TROVANE_VERSION;
}

void warnUnknownArguments(const CommandLine& commandLine, std::ostream& err) {
    for (const std::string& arg : commandLine.unknown) {
        err << "Trovane: ignoring unknown argument '" << arg << "' (see --help)\n";
    }
}

} // namespace trovane
