#include "app/Startup.h"

#include "app/ConfigKeys.h"
#include "app/DefaultSettings.h"
#include "app/ProgramGlobals.h"
#include "sdk/OutsideLibraries.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace trovane {

namespace {

constexpr const char* kDefaultInterface = "Default";
constexpr const char* kIniParserInterface = "IniParser";

void reportFailure(const char* file, const std::string& reason) {
    std::fprintf(stderr, "%s: %s\n", file, reason.c_str());
}

bool loadLibrary(PluginLoader& loader, const char* file) {
    if (loader.Load(file)) {
        return true;
    }
    reportFailure(file, loader.error());
    return false;
}

template <class Interface>
plugin::Owned<Interface> createObject(const PluginLoader& loader, const char* file,
                                      const char* name) {
    plugin::Owned<Interface> object(static_cast<Interface*>(loader.Create(name)));
    if (!object) {
        reportFailure(file,
                      std::string("creates no \"") + (name ? name : kDefaultInterface) + "\"");
    }
    return object;
}

void parseFileText(FileReader& reader, IniParser& parser) {
    const unsigned int size = reader.GetSize();
    const char* data = reader.GetData();
    parser.Parse(data, static_cast<int>(size));
}

void parseDefaults(const char* configFile, int openError, IniParser& parser) {
    if (openError != 0) {
        std::fprintf(stderr, "%s: cannot open (%s); running on built-in defaults\n", configFile,
                     std::strerror(openError));
    } else {
        std::fprintf(stderr, "%s: cannot open; running on built-in defaults\n", configFile);
    }
    parser.Parse(defaultSettingsText, static_cast<int>(sizeof defaultSettingsText - 1));
}

bool isSwitchOn(IniParser& parser, const char* key) {
    return parser.GetFloat(key) != 0.0f;
}

// Truncation toward zero without undefined behaviour for huge or NaN values.
int truncateToInt(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr float lowest = static_cast<float>(std::numeric_limits<int>::min());
    constexpr float highest = static_cast<float>(std::numeric_limits<int>::max());
    if (value <= lowest) {
        return std::numeric_limits<int>::min();
    }
    if (value >= highest) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

} // namespace

bool loadConfiguration(const char* configFile) {
    if (!loadLibrary(staticLoaders.files, kFileReaderLibrary)) {
        return false;
    }
    plugin::Owned<FileReader> reader =
        createObject<FileReader>(staticLoaders.files, kFileReaderLibrary, nullptr);
    if (!reader) {
        return false;
    }
    errno = 0;
    const bool opened = reader->Open(configFile, 0);
    const int openError = errno;
    if (!loadLibrary(staticLoaders.ini, kIniParserLibrary)) {
        return false;
    }
    globalIniParser =
        createObject<IniParser>(staticLoaders.ini, kIniParserLibrary, kIniParserInterface);
    if (!globalIniParser) {
        return false;
    }
    if (opened) {
        parseFileText(*reader, *globalIniParser);
    } else {
        parseDefaults(configFile, openError, *globalIniParser);
    }
    reader.reset();
    return true;
}

ProgramSettings readProgramSettings(IniParser& parser) {
    ProgramSettings settings;
    settings.showStatistics = isSwitchOn(parser, keys::kProgramStatistics);
    settings.height = truncateToInt(parser.GetFloat(keys::kProgramHeight));
    settings.width = truncateToInt(parser.GetFloat(keys::kProgramWidth));
    settings.title = parser.GetString(keys::kProgramTitle);
    return settings;
}

} // namespace trovane
