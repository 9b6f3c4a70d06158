// "Engine", created by the engine library: holds five components and releases
// them together.
#pragma once

#include "Plugin.h"

class Engine : public plugin::Object {
public:
    virtual bool SetComponent1(plugin::Object* component) = 0;
    virtual bool SetComponent2(plugin::Object* component) = 0;
    virtual bool SetComponent3(plugin::Object* component) = 0;
    virtual bool SetComponent4(plugin::Object* component) = 0;
    virtual bool SetComponent5(plugin::Object* component) = 0;
    virtual void Run() = 0;

protected:
    ~Engine() = default;
};
