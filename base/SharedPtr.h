// Reference-counted ownership of one heap object, used inside the program for meshes, tree
// nodes, planes of nodes, vertex lists and trees (single-threaded: the counter is a plain int).
//
// A SharedPtr holds a pointer to a heap-allocated 32-bit use counter and a pointer to the object.
// Even an empty SharedPtr owns a counter (value 1) and a null object. Copying takes a reference;
// releasing the last reference destroys the object and frees the counter. A moved-from
// SharedPtr is empty, with a counter of its own.
//
// Sharing across a class hierarchy is type-safe and keeps one counter:
// - SharedPtr<Derived> converts implicitly to SharedPtr<Base> (e.g. a SharedPtr<Mesh> stored in
//   a tree leaf as SharedPtr<Geometry>). This is allowed only when Base has a virtual destructor
//   or is the same type, so the last release always destroys the object through the right type.
// - dynamicPointerCast<Derived>(base) goes back down: it shares the counter when the object
//   really is a Derived, and otherwise returns an empty SharedPtr<Derived>.
#pragma once

#include <concepts>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace trovane {

template <typename T>
class SharedPtr;

// Whether a SharedPtr<From> may be shared as a SharedPtr<To>.
template <typename From, typename To>
concept SharesAs = std::convertible_to<From*, To*> &&
    (std::same_as<std::remove_cv_t<From>, std::remove_cv_t<To>> ||
     std::has_virtual_destructor_v<To>);

template <typename T>
class SharedPtr {
public:
    using element_type = T;

    // Empty: a counter of its own at 1, no object.
    SharedPtr() : count_(new std::int32_t(1)), object_(nullptr) {}

    // Takes ownership of object (which may be null). The object is deleted if the counter
    // cannot be allocated.
    explicit SharedPtr(T* object) : count_(nullptr), object_(object) {
        try {
            count_ = new std::int32_t(1);
        } catch (...) {
            destroy(object);
            throw;
        }
    }

    SharedPtr(const SharedPtr& other) noexcept : count_(other.count_), object_(other.object_) {
        ++*count_;
    }

    template <SharesAs<T> U>
    SharedPtr(const SharedPtr<U>& other) noexcept : count_(other.count_), object_(other.object_) {
        ++*count_;
    }

    SharedPtr(SharedPtr&& other) : SharedPtr() { swap(other); }

    template <SharesAs<T> U>
    SharedPtr(SharedPtr<U>&& other) : SharedPtr(static_cast<const SharedPtr<U>&>(other)) {
        other.reset();
    }

    ~SharedPtr() { release(); }

    // Takes a reference on the source first, then releases the old value, so self-assignment
    // and assignment from a pointer owned by the old object are safe.
    SharedPtr& operator=(const SharedPtr& other) noexcept {
        share(other.count_, other.object_);
        return *this;
    }

    template <SharesAs<T> U>
    SharedPtr& operator=(const SharedPtr<U>& other) noexcept {
        share(other.count_, other.object_);
        return *this;
    }

    SharedPtr& operator=(SharedPtr&& other) {
        if (this != &other) {
            SharedPtr taken(std::move(other));
            swap(taken);
        }
        return *this;
    }

    template <SharesAs<T> U>
    SharedPtr& operator=(SharedPtr<U>&& other) {
        SharedPtr taken(std::move(other));
        swap(taken);
        return *this;
    }

    // Releases the held value and becomes empty with a fresh counter.
    void reset() { SharedPtr().swap(*this); }

    void swap(SharedPtr& other) noexcept {
        std::swap(count_, other.count_);
        std::swap(object_, other.object_);
    }

    T* get() const noexcept { return object_; }
    T& operator*() const noexcept { return *object_; }
    T* operator->() const noexcept { return object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    // Number of SharedPtr values sharing this counter (1 for a fresh empty pointer).
    std::int32_t useCount() const noexcept { return *count_; }

private:
    template <typename U>
    friend class SharedPtr;
    template <typename To, typename From>
    friend SharedPtr<To> dynamicPointerCast(const SharedPtr<From>& from);

    // Shares the counter of an existing SharedPtr with an already converted object pointer.
    SharedPtr(std::int32_t* count, T* object) noexcept : count_(count), object_(object) {
        ++*count_;
    }

    static void destroy(T* object) noexcept {
        static_assert(sizeof(T) > 0, "SharedPtr cannot destroy an incomplete type");
        delete object;
    }

    // Takes a reference on (count, object), then releases the old value. The arguments are
    // copies, because releasing may destroy the SharedPtr they were read from.
    void share(std::int32_t* count, T* object) noexcept {
        ++*count;
        release();
        count_ = count;
        object_ = object;
    }

    // Kept out of line: when inlined, some compilers see the frees and warn about the counter's
    // later uses on paths where the count cannot have reached 0.
    [[gnu::noinline, gnu::cold]] static void destroyLast(std::int32_t* count, T* object) noexcept {
        destroy(object);
        delete count;
    }

    void release() noexcept {
        if (--*count_ == 0) {
            destroyLast(count_, object_);
        }
    }

    std::int32_t* count_;
    T* object_;
};

// Two pointers are equal when they hold the same object.
template <typename A, typename B>
bool operator==(const SharedPtr<A>& a, const SharedPtr<B>& b) noexcept {
    return a.get() == b.get();
}

// A SharedPtr owning a new T built from args.
template <typename T, typename... Args>
SharedPtr<T> makeShared(Args&&... args) {
    return SharedPtr<T>(new T(std::forward<Args>(args)...));
}

// Shares from's counter when its object is a To; otherwise an empty SharedPtr<To>.
template <typename To, typename From>
SharedPtr<To> dynamicPointerCast(const SharedPtr<From>& from) {
    if (To* object = dynamic_cast<To*>(from.get())) {
        return SharedPtr<To>(from.count_, object);
    }
    return SharedPtr<To>();
}

} // namespace trovane
