// A library loaded at run time: load by name, look up an export, unload.
// dlopen on Linux; LoadLibraryA, GetProcAddress and FreeLibrary on Windows.
#pragma once

#include <string>

namespace trovane::platform {

class DynamicLibrary {
public:
    DynamicLibrary() = default;
    ~DynamicLibrary();
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // Loads the library found by locateModule(name), binding every symbol now so
    // that a missing one fails here rather than in a later call. Unloads what was
    // loaded before. A null or empty name fails: the loader would otherwise hand
    // back the running program itself. On failure error() says why.
    bool open(const char* name);
    void close();
    bool isOpen() const { return handle_ != nullptr; }

    // Address of an exported symbol, or null when the library has none by that name.
    void* symbol(const char* name) const;

    template <class Function>
    Function function(const char* name) const {
        return reinterpret_cast<Function>(symbol(name));
    }

    // Why the last open failed (the system loader's own text).
    const std::string& error() const { return lastError_; }
    // The file the library was loaded from; empty when nothing is loaded.
    const std::string& path() const { return loadedPath_; }

    // True when the file at path is currently loaded into this process.
    static bool isLoaded(const std::string& path);

private:
    // Loads the located file with the system's loader; sets handle and path, or error.
    bool openFile(std::string path);

    void* handle_ = nullptr;
    std::string loadedPath_;
    std::string lastError_;
};

} // namespace trovane::platform
