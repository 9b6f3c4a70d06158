// The six exports of one library, looked up by name as any caller would.
#pragma once

#include "platform/module/DynamicLibrary.h"
#include "sdk/Plugin.h"

namespace trovane::test {

struct ContractProbe {
    // Loads fileName ("X.dll" is the module beside the test program).
    explicit ContractProbe(const char* fileName);

    // True when the library loaded and all six exports were found.
    bool complete() const;

    platform::DynamicLibrary library;
    plugin::ApiVersionFn apiVersion = nullptr;
    plugin::ComponentTypeFn componentType = nullptr;
    plugin::EnumerateInterfacesFn enumerateInterfaces = nullptr;
    plugin::GetInterfaceIdFn getInterfaceId = nullptr;
    plugin::CreateInstanceByIdFn createInstanceById = nullptr;
    plugin::CreateInstanceFn createInstance = nullptr;
};

} // namespace trovane::test
