// The "Engine" object: holds five components and releases them together.
#pragma once

#include "sdk/Engine.h"

#include <array>

namespace corvane {

class ComponentEngine final : public Engine {
public:
    // Releases components 1 to 5 in that order, skipping empty fields, and then
    // frees the engine itself, like every other object's Release.
    void Release() override;
    bool SetComponent1(plugin::Object* component) override { return store(0, component); }
    bool SetComponent2(plugin::Object* component) override { return store(1, component); }
    bool SetComponent3(plugin::Object* component) override { return store(2, component); }
    bool SetComponent4(plugin::Object* component) override { return store(3, component); }
    bool SetComponent5(plugin::Object* component) override { return store(4, component); }
    void Run() override {}

private:
    ~ComponentEngine() = default;
    // Replaces the held pointer without releasing the earlier object: that one
    // stays with whoever handed it over.
    bool store(std::size_t slot, plugin::Object* component);

    std::array<plugin::Object*, 5> components_{};
};

} // namespace corvane
