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
        if (pointer_ != nullptr) {
            pointer_->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    // Handing the one reference on, as to the object that will own it.
    ComRef(ComRef&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}

    // For the creating call's out parameter; the holder must be empty.
    Interface** out() { return &pointer_; }
    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }

private:
    Interface* pointer_ = nullptr;
};

} // namespace trovane::platform
