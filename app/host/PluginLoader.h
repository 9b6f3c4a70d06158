// Loads one library by file name and creates objects from it by interface name.
#pragma once

#include "platform/module/DynamicLibrary.h"
#include "sdk/Plugin.h"

#include <string>

namespace trovane {

// Either empty (no library) or loaded (library and its CreateInstance export).
// Objects created through a loader must be released before it unloads.
class PluginLoader {
public:
    PluginLoader() = default;
    // Loads fileName; a failure leaves the loader empty (see error()).
    explicit PluginLoader(const char* fileName);
    ~PluginLoader() { Unload(); }
    PluginLoader(const PluginLoader&) = delete;
    PluginLoader& operator=(const PluginLoader&) = delete;

    // Unloads what was loaded before, then loads fileName ("X.dll" names the
    // module X beside the program), checks that its APIVersion is this
    // program's and looks up its CreateInstance. A library without either
    // export, or of another version, is unloaded again. Prints nothing: false
    // tells the caller to report error().
    bool Load(const char* fileName);

    // The object the library creates for name ("Default" when name is null), or
    // null when the loader is empty or the library creates nothing for it.
    void* Create(const char* name = nullptr) const;

    void Unload();

    bool isLoaded() const { return createInstance_ != nullptr; }
    // Why the last Load failed, as one phrase to follow the file name.
    const std::string& error() const { return failure_; }

private:
    platform::DynamicLibrary module_;
    plugin::CreateInstanceFn createInstance_ = nullptr;
    std::string failure_;
};

} // namespace trovane
