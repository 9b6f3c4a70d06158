// The "IniParser" object: entries by full name ("section.key", lower-cased).
#pragma once

#include "sdk/IniParser.h"

#include <map>
#include <string>
#include <string_view>

namespace lexmoor {

class SettingsParser final : public IniParser {
public:
    SettingsParser() = default;

    void Release() override { delete this; }
    bool Parse(const char* text, int length) override;
    const char* GetString(const char* name) override;
    float GetFloat(const char* name) override;

private:
    ~SettingsParser() = default;
    void handleLine(std::string_view line);
    void store(std::string_view key, std::string_view value);

    // Ordered byte-wise; nodes never move, so handed-out values stay valid
    // until their own entry is assigned again.
    std::map<std::string, std::string, std::less<>> entries_;
    std::string section_;
    // Scratch space reused for full names, so that lookups do not allocate.
    std::string fullName_;
};

} // namespace lexmoor
