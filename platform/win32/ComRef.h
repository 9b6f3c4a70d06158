// One COM interface pointer, released when the holder goes away. Shared by
// the Windows backends (WIC pictures, DirectInput devices).
#pragma once

#include <utility>

namespace trovane::platform {

template <class Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (pointer != nullptr) {
            pointer->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    // Handing the one reference on, as to the object that will own it.
    ComRef(ComRef&& other) noexcept : pointer(std::exchange(other.pointer, nullptr)) {}

    // For the creating call's out parameter; the holder must be empty.
    Interface** out() { return &pointer; }
    Interface* get() const { return pointer; }
    Interface* operator->() const { return pointer; }

private:
    Interface* pointer = nullptr;
};

} // namespace trovane::platform
