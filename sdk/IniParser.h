// "IniParser", created by the INI library: settings text in, values out by
// "section.key" name (case-insensitive).
#pragma once

#include "Plugin.h"

class IniParser : public plugin::Object {
public:
    // Adds the entries of text, read up to its first NUL and, when length is
    // positive, no further than length characters (so a buffer without a NUL
    // is read safely); a length of 0 or less is not used. A null text is empty.
    // Always true.
    virtual bool Parse(const char* text, int length) = 0;
    // The stored value, owned by the parser, or null when name is null or absent.
    virtual const char* GetString(const char* name) = 0;
    // The value read with strtod in the "C" locale; 0 when absent.
    virtual float GetFloat(const char* name) = 0;

protected:
    ~IniParser() = default;
};
