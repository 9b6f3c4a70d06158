#include "SettingsTextCheck.h"

#include "app/ConfigKeys.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace trovane::fuzz {
namespace {

// Bounds the work per input: names cut from the data beyond these are skipped.
constexpr std::size_t kMaxLineNames = 256;
constexpr std::size_t kMaxEntryNames = 256;
constexpr std::size_t kMaxNameLength = 512;

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::string uppered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// The rules, read straight from their wording, without sharing the parser's code.
class Reference {
public:
    explicit Reference(std::string_view data) {
        std::string work(data.substr(0, data.find('\0')));
        work += '\n';
        std::size_t p = 0;
        while (p < work.size()) {
            const std::size_t e = work.find_first_of("\r\n", p);
            line(std::string_view(work).substr(p, e - p));
            p = work.find_first_not_of("\r\n", e);
            if (p == std::string::npos) {
                break;
            }
        }
    }

    const std::map<std::string, std::string>& entries() const { return entries_; }

    std::optional<std::string> lookup(std::string_view name) const {
        const auto found = entries_.find(std::string(trimmed(lowered(name))));
        if (found == entries_.end()) {
            return std::nullopt;
        }
        return found->second;
    }

private:
    void line(std::string_view text) {
        text = text.substr(0, text.find('#'));
        const std::size_t open = text.find('[');
        const std::size_t close = text.find(']');
        if (open != std::string_view::npos && close != std::string_view::npos) {
            const std::size_t end = close > open ? close : text.size();
            section_ = lowered(text.substr(open + 1, end - open - 1));
            return;
        }
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) {
            return;
        }
        std::string key = lowered(trimmed(text.substr(0, equals)));
        std::string full = section_.empty() ? key : section_ + "." + key;
        entries_[full] = std::string(trimmed(text.substr(equals + 1)));
    }

    std::map<std::string, std::string> entries_;
    std::string section_;
};

float expectedNumber(const std::optional<std::string>& value) {
    return value ? static_cast<float>(std::strtod(value->c_str(), nullptr)) : 0.0f;
}

bool sameNumber(float a, float b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text.substr(0, 80)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte >= 127 || c == '"' || c == '\\') {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + (text.size() > 80 ? "\"..." : "\"");
}

// Names worth asking for: the program's keys, each stored name as written and
// in other spellings, and pieces of every line of the data.
std::vector<std::string> namesToAsk(const Reference& reference, std::string_view data) {
    std::vector<std::string> names;
    for (const keys::Setting& setting : keys::kTable) {
        names.emplace_back(setting.key);
    }
    std::size_t count = 0;
    for (const auto& [full, value] : reference.entries()) {
        if (++count > kMaxEntryNames) {
            break;
        }
        names.push_back(full);
        names.push_back(uppered(full));
        names.push_back("  " + full + " ");
        if (!full.empty()) {
            names.push_back(full.substr(0, full.size() - 1));
        }
    }
    data = data.substr(0, data.find('\0'));
    count = 0;
    std::size_t p = 0;
    while (p < data.size() && count < kMaxLineNames) {
        std::size_t e = data.find_first_of("\r\n", p);
        if (e == std::string_view::npos) {
            e = data.size();
        }
        const std::string_view line = data.substr(p, std::min(e - p, kMaxNameLength));
        names.emplace_back(line);
        names.emplace_back(line.substr(0, line.find('=')));
        names.emplace_back(trimmed(line.substr(0, line.find('#'))));
        ++count;
        p = e + 1;
    }
    return names;
}

std::string askOne(IniParser& parser, const Reference& reference, const std::string& name,
                   std::vector<std::pair<std::string, const char*>>& handedOut) {
    const std::optional<std::string> expected = reference.lookup(name);
    const char* got = parser.GetString(name.c_str());
    if (expected.has_value() != (got != nullptr)) {
        return "GetString(" + quoted(name) + ") gives " + (got ? quoted(got) : "null") +
               ", the rules say " + (expected ? quoted(*expected) : "null");
    }
    if (got != nullptr && *expected != got) {
        return "GetString(" + quoted(name) + ") gives " + quoted(got) + ", the rules say " +
               quoted(*expected);
    }
    const float number = parser.GetFloat(name.c_str());
    if (!sameNumber(number, expectedNumber(expected))) {
        return "GetFloat(" + quoted(name) + ") gives " + std::to_string(number) +
               ", the rules say " + std::to_string(expectedNumber(expected));
    }
    if (got != nullptr) {
        handedOut.emplace_back(name, got);
    }
    return "";
}

} // namespace

std::string checkSettingsText(IniParser& parser, std::string_view data) {
    // The file reader's buffer: the contents followed by a zero byte.
    std::vector<char> text(data.begin(), data.end());
    text.push_back('\0');
    if (!parser.Parse(text.data(), static_cast<int>(data.size()))) {
        return "Parse gave false";
    }
    if (parser.GetString(nullptr) != nullptr || parser.GetFloat(nullptr) != 0.0f) {
        return "a null name found a value";
    }
    const Reference reference(data);
    std::vector<std::pair<std::string, const char*>> handedOut;
    for (const std::string& name : namesToAsk(reference, data)) {
        std::string fault = askOne(parser, reference, name, handedOut);
        if (!fault.empty()) {
            return fault;
        }
    }
    // Lookups alone must not move a value that was handed out earlier.
    for (const auto& [name, pointer] : handedOut) {
        if (parser.GetString(name.c_str()) != pointer) {
            return "the value of " + quoted(name) + " moved between two lookups";
        }
    }
    return "";
}

} // namespace trovane::fuzz
