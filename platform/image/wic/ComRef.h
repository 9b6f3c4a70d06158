// One COM interface pointer, released when the holder goes away.
#pragma once

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

    // For the creating call's out parameter; the holder must be empty.
    Interface** out() { return &pointer; }
    Interface* get() const { return pointer; }
    Interface* operator->() const { return pointer; }

private:
    Interface* pointer = nullptr;
};

} // namespace trovane::platform
