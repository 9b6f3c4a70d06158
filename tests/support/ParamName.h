// Readable names for parameterised tests: GoogleTest accepts only letters,
// digits and underscores in a test name.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace trovane::test {

// text with every other character turned into an underscore.
inline std::string paramName(std::string_view text) {
    std::string name(text);
    for (char& c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            c = '_';
        }
    }
    return name;
}

} // namespace trovane::test
