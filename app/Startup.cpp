#include "app/Startup.h"

#include "app/ProgramGlobals.h"
#include "app/Settings.h"
#include "app/host/LibraryNames.h"
#include "sdk/OutsideLibraries.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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

void reportBuiltInSettings(const char* configFile, int openError) {
    if (openError != 0) {
        std::fprintf(stderr, "%s: cannot open (%s); running on built-in defaults\n", configFile,
                     std::strerror(openError));
    } else {
        std::fprintf(stderr, "%s: cannot open; running on built-in defaults\n", configFile);
    }
}

} // namespace

bool loadConfiguration(const std::vector<std::string>& configFiles) {
    programSettings = Settings{};
    if (!loadLibrary(staticLoaders.files, kFileReaderLibrary)) {
        return false;
    }
    plugin::Owned<FileReader> reader =
        createObject<FileReader>(staticLoaders.files, kFileReaderLibrary, nullptr);
    if (!reader) {
        return false;
    }
    // The first place's reason is the one reported: it is where users look.
    const std::string* opened = nullptr;
    int openError = 0;
    for (const std::string& candidate : configFiles) {
        errno = 0;
        if (reader->Open(candidate.c_str(), 0)) {
            opened = &candidate;
            break;
        }
        if (&candidate == &configFiles.front()) {
            openError = errno;
        }
    }
    if (!loadLibrary(staticLoaders.ini, kIniParserLibrary)) {
        return false;
    }
    globalIniParser =
        createObject<IniParser>(staticLoaders.ini, kIniParserLibrary, kIniParserInterface);
    if (!globalIniParser) {
        return false;
    }
    if (opened != nullptr) {
        parseFileText(*reader, *globalIniParser);
        programSettings = readSettings(*globalIniParser);
        programSettings.file = *opened;
    } else {
        reportBuiltInSettings(configFiles.empty() ? kConfigFile : configFiles.front().c_str(),
                              openError);
        programSettings = Settings{};
    }
    reader.reset();
    return true;
}

} // namespace trovane
