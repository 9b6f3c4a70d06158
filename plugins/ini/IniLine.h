// The text rules of settings files: line splitting and what one line says.
#pragma once

#include <string>
#include <string_view>

namespace lexmoor {

// Calls handle(line) for every line of text. CR, LF and any run of them end a
// line, so blank lines never reach handle; only a text that begins with a line
// end yields one empty first line.
template <class Handle>
void forEachLine(std::string_view text, Handle&& handle) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* e = p;
        while (e < end && *e != '\r' && *e != '\n') {
            ++e;
        }
        handle(std::string_view(p, static_cast<std::size_t>(e - p)));
        p = e;
        while (p < end && (*p == '\r' || *p == '\n')) {
            ++p;
        }
    }
}

struct IniLine {
    enum class Kind { Ignored, Section, Entry };
    Kind kind = Kind::Ignored;
    // Section: the name as written between the brackets (neither trimmed nor lower-cased).
    std::string_view section;
    // Entry: key and value trimmed of blanks; the key is not yet lower-cased.
    std::string_view key;
    std::string_view value;
};

// Classifies one line: the text from the first '#' on is a comment; a line
// holding both '[' and ']' is a section line, even when it also holds '=';
// otherwise the first '=' splits key from value; any other line is ignored.
IniLine readLine(std::string_view line);

// Text without the blanks (character 32 only) at either end.
std::string_view trimBlanks(std::string_view text);

// Appends text with 'A' to 'Z' turned into 'a' to 'z'; no other byte changes.
void appendLowerAscii(std::string& out, std::string_view text);

} // namespace lexmoor
