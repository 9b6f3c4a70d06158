// Sole ownership of one COM interface pointer: Release on destruction.
#pragma once

#include <memory>

namespace trovane::platform::input {

struct ComRelease {
    template <typename Interface>
    void operator()(Interface* object) const {
        object->Release();
    }
};

template <typename Interface>
using ComPointer = std::unique_ptr<Interface, ComRelease>;

} // namespace trovane::platform::input
