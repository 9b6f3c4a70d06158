#include "SettingsParser.h"

#include "IniLine.h"

#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace lexmoor {

namespace {

// The text to read: up to its first NUL, and never past a positive length,
// so a buffer without a terminator is read only as far as its length says.
std::string_view boundedText(const char* text, int length) {
    if (text == nullptr) {
        return {};
    }
    if (length > 0) {
        return {text, ::strnlen(text, static_cast<std::size_t>(length))};
    }
    return {text};
}

// Numbers are read with '.' as the decimal point, in every form C99's strtod
// knows (hexadecimal included).
#if defined(_WIN32)
// MinGW's strtod has the C99 forms the system's _strtod_l lacks, but no locale
// argument; it follows the runtime's locale, which Trovane leaves at "C".
double readNumber(const char* text) {
    return std::strtod(text, nullptr);
}
#else
// Whatever locale the program set.
double readNumber(const char* text) {
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (cLocale == static_cast<locale_t>(nullptr)) {
        return std::strtod(text, nullptr);
    }
    return ::strtod_l(text, nullptr, cLocale);
}
#endif

} // namespace

bool SettingsParser::Parse(const char* text, int length) {
    section_.clear();
    forEachLine(boundedText(text, length), [this](std::string_view line) { handleLine(line); });
    return true;
}

void SettingsParser::handleLine(std::string_view line) {
    const IniLine parsed = readLine(line);
    if (parsed.kind == IniLine::Kind::Section) {
        section_.clear();
        appendLowerAscii(section_, parsed.section);
    } else if (parsed.kind == IniLine::Kind::Entry) {
        store(parsed.key, parsed.value);
    }
}

void SettingsParser::store(std::string_view key, std::string_view value) {
    fullName_.clear();
    if (!section_.empty()) {
        fullName_ += section_;
        fullName_ += '.';
    }
    appendLowerAscii(fullName_, key);
    const auto place = entries_.lower_bound(fullName_);
    if (place != entries_.end() && place->first == fullName_) {
        place->second.assign(value);
    } else {
        entries_.emplace_hint(place, fullName_, value);
    }
}

const char* SettingsParser::GetString(const char* name) {
    if (name == nullptr) {
        return nullptr;
    }
    fullName_.clear();
    appendLowerAscii(fullName_, name);
    const auto found = entries_.find(trimBlanks(fullName_));
    return found == entries_.end() ? nullptr : found->second.c_str();
}

float SettingsParser::GetFloat(const char* name) {
    // Through the interface, so both lookups always agree on what is stored.
    const char* text = static_cast<IniParser*>(this)->GetString(name);
    if (text == nullptr) {
        return 0.0f;
    }
    return static_cast<float>(readNumber(text));
}

} // namespace lexmoor
