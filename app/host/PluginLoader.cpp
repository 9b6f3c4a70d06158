#include "app/host/PluginLoader.h"

#include <string>

namespace trovane {

namespace {
constexpr const char* kApiVersionExport = "APIVersion";
constexpr const char* kCreateInstanceExport = "CreateInstance";
constexpr const char* kDefaultInterface = "Default";

// Empty when the library keeps this program's contract, otherwise why not.
std::string contractMismatch(const platform::DynamicLibrary& module) {
    auto apiVersion = module.function<plugin::ApiVersionFn>(kApiVersionExport);
    if (apiVersion == nullptr) {
        return "does not export APIVersion";
    }
    const int version = apiVersion();
    if (version != plugin::kApiVersion) {
        return "built for plug-in API " + std::to_string(version) + ", this program needs " +
               std::to_string(plugin::kApiVersion);
    }
    return {};
}
} // namespace

PluginLoader::PluginLoader(const char* fileName) {
    Load(fileName);
}

bool PluginLoader::Load(const char* fileName) {
    Unload();
    failure.clear();
    if (!module.open(fileName)) {
        failure = "cannot load (" + module.error() + ")";
        return false;
    }
    // A library of another contract version would be called blindly.
    failure = contractMismatch(module);
    if (failure.empty()) {
        createInstance = module.function<plugin::CreateInstanceFn>(kCreateInstanceExport);
        if (createInstance == nullptr) {
            failure = "does not export CreateInstance";
        }
    }
    if (!failure.empty()) {
        module.close();
        return false;
    }
    return true;
}

void* PluginLoader::Create(const char* name) const {
    if (createInstance == nullptr) {
        return nullptr;
    }
    return createInstance(name != nullptr ? name : kDefaultInterface);
}

void PluginLoader::Unload() {
    createInstance = nullptr;
    module.close();
}

} // namespace trovane
