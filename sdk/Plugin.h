// The contract every run-time loaded library of Trovane offers, and Trovane itself.
//
// A library exports six functions (sdk/PluginExports.h defines them). Five carry
// plain C names; EnumerateInterfaces is exported under its C++-decorated name (a
// free function taking one unsigned int and returning const char*), so a caller
// that looks it up by name must use the decorated symbol,
// plugin::kEnumerateInterfacesSymbol.
//
// Objects cross the boundary as pointers to classes of virtual operations only,
// in a fixed slot order. Slot 0 of every object this system's libraries create
// is Release; only the library that made an object may free it.
#pragma once

#include <cstring>

#if defined(_WIN32)
#define TROVANE_EXPORT __declspec(dllexport)
#else
#define TROVANE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
TROVANE_EXPORT int APIVersion();
TROVANE_EXPORT const char* ComponentType();
TROVANE_EXPORT int GetInterfaceID(const char* name);
TROVANE_EXPORT void* CreateInstanceByID(int id);
TROVANE_EXPORT void* CreateInstance(const char* name);
}
TROVANE_EXPORT const char* EnumerateInterfaces(unsigned int index);

namespace plugin {

inline constexpr int kApiVersion = 1;

// Decorated name of EnumerateInterfaces(unsigned int) under the Itanium C++ ABI,
// which GCC and Clang use on Linux and with MinGW on Windows alike.
inline constexpr const char* kEnumerateInterfacesSymbol = "_Z19EnumerateInterfacesj";

using ApiVersionFn = int (*)();
using ComponentTypeFn = const char* (*)();
using EnumerateInterfacesFn = const char* (*)(unsigned int);
using GetInterfaceIdFn = int (*)(const char*);
using CreateInstanceByIdFn = void* (*)(int);
using CreateInstanceFn = void* (*)(const char*);

// Base of every object created by this system's libraries.
// The destructor is protected and not virtual, so slot 0 stays Release.
class Object {
public:
    virtual void Release() = 0;

protected:
    ~Object() = default;
};

// A library's constant answers: its component type and its interface table,
// whose positions are the interface identifiers.
template <unsigned Count>
struct InterfaceTable {
    const char* componentType;
    const char* names[Count];

    constexpr const char* enumerate(unsigned int index) const {
        return index < Count ? names[index] : nullptr;
    }

    // Identifier of the first entry equal to name (byte-wise, case-sensitive), or -1.
    int find(const char* name) const {
        if (name == nullptr) {
            return -1;
        }
        for (unsigned i = 0; i < Count; ++i) {
            if (std::strcmp(names[i], name) == 0) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

} // namespace plugin
