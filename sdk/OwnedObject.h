// Ownership of an object made by a library: the holder ends it with Release,
// so the library that made the object also frees it.
#pragma once

#include "Plugin.h"

#include <memory>

namespace plugin {

struct ReleaseObject {
    void operator()(Object* object) const noexcept { object->Release(); }
};

// Must be reset before the library that made the object is unloaded.
template <class T>
using Owned = std::unique_ptr<T, ReleaseObject>;

} // namespace plugin
