// libFuzzer target: settings text into the INI library's "IniParser", created
// and used as the program uses it.
#include "checks/SettingsTextCheck.h"
#include "sdk/Plugin.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto* parser = static_cast<IniParser*>(CreateInstance("IniParser"));
    if (parser == nullptr) {
        std::fputs("the INI library creates no IniParser\n", stderr);
        std::abort();
    }
    const std::string fault = trovane::fuzz::checkSettingsText(
        *parser, std::string_view(reinterpret_cast<const char*>(data), size));
    parser->Release();
    if (!fault.empty()) {
        std::fprintf(stderr, "IniParser: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
