// Defines a library's six exports from its interface table and one
// create-by-identifier function; write it once, at namespace scope:
//
//   TROVANE_PLUGIN_EXPORTS(kTable, createById)
//
// kTable is a plugin::InterfaceTable; createById is a void* (*)(int) that
// gives the object of an identifier, or null for identifiers that make none
// (it is never handed a negative one). CreateInstance looks the name up in
// the table and hands on to createById.
#pragma once

#include "sdk/Plugin.h"

#include <new>

namespace plugin {

template <unsigned Count>
void* createByName(const InterfaceTable<Count>& table, void* (*createById)(int), const char* name) {
    const int id = table.find(name);
    return id < 0 ? nullptr : createById(id);
}

// Identifiers outside the table make nothing.
template <unsigned Count>
void* createByIdentifier(const InterfaceTable<Count>& /*table*/, void* (*createById)(int), int id) {
    return id < 0 || id >= static_cast<int>(Count) ? nullptr : createById(id);
}

// The create-by-identifier function of a library whose every interface makes
// the same object: a new Implementation handed out as its Interface, or null
// when memory runs out. Written in parentheses inside the macro, for its comma.
template <class Interface, class Implementation>
void* createNew(int /*id*/) {
    return static_cast<Interface*>(new (std::nothrow) Implementation());
}

} // namespace plugin

#define TROVANE_PLUGIN_EXPORTS(table, createById)                                                  \
    extern "C" {                                                                                   \
    int APIVersion() {                                                                             \
        return plugin::kApiVersion;                                                                \
    }                                                                                              \
    const char* ComponentType() {                                                                  \
        return (table).componentType;                                                              \
    }                                                                                              \
    int GetInterfaceID(const char* name) {                                                         \
        return (table).find(name);                                                                 \
    }                                                                                              \
    void* CreateInstanceByID(int id) {                                                             \
        return plugin::createByIdentifier(table, createById, id);                                  \
    }                                                                                              \
    void* CreateInstance(const char* name) {                                                       \
        return plugin::createByName(table, createById, name);                                      \
    }                                                                                              \
    }                                                                                              \
    const char* EnumerateInterfaces(unsigned int index) {                                          \
        return (table).enumerate(index);                                                           \
    }
