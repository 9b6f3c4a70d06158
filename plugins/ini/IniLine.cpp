#include "IniLine.h"

namespace lexmoor {

namespace {

IniLine sectionLine(std::string_view line, std::size_t open, std::size_t close) {
    IniLine result;
    result.kind = IniLine::Kind::Section;
    // A ']' before the first '[' does not close the name: it runs to the end.
    result.section = close > open ? line.substr(open + 1, close - open - 1) : line.substr(open + 1);
    return result;
}

} // namespace

IniLine readLine(std::string_view line) {
    line = line.substr(0, line.find('#'));
    const std::size_t open = line.find('[');
    const std::size_t close = line.find(']');
    if (open != std::string_view::npos && close != std::string_view::npos) {
        return sectionLine(line, open, close);
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    IniLine result;
    result.kind = IniLine::Kind::Entry;
    result.key = trimBlanks(line.substr(0, equals));
    result.value = trimBlanks(line.substr(equals + 1));
    return result;
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void appendLowerAscii(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out.append(text);
    for (std::size_t i = start; i < out.size(); ++i) {
        const char c = out[i];
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c - 'A' + 'a');
        }
    }
}

} // namespace lexmoor
