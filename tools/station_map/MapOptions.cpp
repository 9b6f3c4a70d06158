#include "tools/station_map/MapOptions.h"

#include <charconv>

namespace trovane {

namespace {

bool allDigits(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// A count is only decimal digits, and in range; from_chars reports overflow for huge inputs.
std::optional<int> parseCount(std::string_view text) {
    if (!allDigits(text)) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > kMaxStationCount) {
        return std::nullopt;
    }
    return value;
}

bool looksLikeNumber(std::string_view text) {
    return text.size() > 1 && (text[0] == '-' || text[0] == '+') && text[1] >= '0' &&
           text[1] <= '9';
}

ParsedArguments failure(std::string message) {
    ParsedArguments result;
    result.error = std::move(message);
    return result;
}

} // namespace

ParsedArguments parseMapArguments(std::span<const std::string_view> arguments) {
    MapOptions options;
    bool countSeen = false;
    for (const std::string_view argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            ParsedArguments result;
            result.help = true;
            return result;
        }
        if (argument == "--json") {
            options.json = true;
            continue;
        }
        if (!argument.empty() && argument[0] == '-' && !looksLikeNumber(argument)) {
            return failure("unknown option \"" + std::string(argument) + "\"");
        }
        if (countSeen) {
            return failure("more than one station count given");
        }
        const std::optional<int> count = parseCount(argument);
        if (!count) {
            return failure("station count \"" + std::string(argument) +
                           "\" is not a whole number from 1 to " +
                           std::to_string(kMaxStationCount));
        }
        options.count = *count;
        countSeen = true;
    }
    ParsedArguments result;
    result.options = options;
    return result;
}

} // namespace trovane
